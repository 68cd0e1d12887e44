// The viewer's start as main() does it (database, the viewer built, load, show), ending at
// once after the first painted frame: the measured side of the start benchmark.
#include <QApplication>
#include <QTimer>
#include <cstdlib>

#include "app/viewer.h"

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
    const std::unique_ptr<zentaloger::Viewer> viewer = zentaloger::BuildViewer(state);
    FirstPaint firstPaint;
    viewer->form().installEventFilter(&firstPaint);
    viewer->Load();
    viewer->form().show();
    return app.exec();
}
