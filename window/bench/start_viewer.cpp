// The viewer's start as main() does it (database, form, load, show), ending at once after the
// first painted frame: the measured side of the start benchmark.
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "detailpages.h"
#include "form.h"
#include "startup.h"

namespace {

class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::future<zentaloger::StartupState> loading = zentaloger::StartUpInBackground();
    zentaloger::toolkit::RegisterEmbeddedFonts();
    zentaloger::StartupState state = loading.get();
    zentaloger::pages::DetailPages pages(*state.database, state.view);
    zentaloger::Form form(*state.database, state.view, pages);
    FirstPaint firstPaint;
    form.installEventFilter(&firstPaint);
    form.Load();
    form.show();
    return app.exec();
}
