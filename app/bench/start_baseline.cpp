// The baseline of the start benchmark: a bare frameless 377 x 349 window with 250
// custom-painted labels, a 16-row list and two images, shown the plainest way Qt allows. It
// ends at once after its first painted frame.
#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QTimer>
#include <cstdlib>

namespace {

class PlainLabel : public QWidget {
  public:
    PlainLabel(QWidget* parent, QString text) : QWidget(parent), text_(std::move(text)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xFFFF00));
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawText(rect(), Qt::AlignCenter, text_);
    }

  private:
    QString text_;
};

class Picture : public QWidget {
  public:
    Picture(QWidget* parent, const QString& path) : QWidget(parent), pixmap_(path) {}

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, pixmap_); }

  private:
    QPixmap pixmap_;
};

class Window : public QWidget {
  public:
    Window() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setFixedSize(377, 349);
        for (int i = 0; i < 250; ++i) {
            auto* label = new PlainLabel(this, QStringLiteral("L%1").arg(i));
            label->setGeometry(8 + (i % 10) * 25, 8 + (i / 10) * 13, 24, 12);
        }
        auto* list = new QListWidget(this);
        list->setGeometry(264, 35, 105, 178);
        for (int i = 0; i < 16; ++i) {
            list->addItem(QStringLiteral("%1 - ROW").arg(i + 1, 3, 10, QLatin1Char('0')));
        }
        list->setCurrentRow(0);
        new Picture(this, QStringLiteral(":/BITMAP/101"));
        (new Picture(this, QStringLiteral(":/BITMAP/1001")))->move(264, 291);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(0xC00000));
        QTimer::singleShot(0, [] { std::_Exit(0); });
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Window window;
    window.show();
    return app.exec();
}
