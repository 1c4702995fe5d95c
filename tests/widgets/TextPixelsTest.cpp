#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QTest>
#include <algorithm>

#include "support/TestProgram.h"
#include "widgets/ActionLabel.h"
#include "widgets/Fonts.h"
#include "widgets/GameWindow.h"
#include "widgets/TextLabel.h"

namespace tessaro::testing {

namespace {

// The rows of an image that hold ink: a pixel clearly apart from the background's colour.
int inkRows(const QImage& image, QColor background) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - background.red()) > 32 ||
                std::abs(pixel.green() - background.green()) > 32 ||
                std::abs(pixel.blue() - background.blue()) > 32) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// The label's text drawn as the label draws it, but on a canvas with room above and below,
// where nothing can cut it.
QImage drawnWithRoom(const ActionLabel& label, qreal ratio) {
    constexpr int kRoom = 20;
    QImage canvas((label.size() + QSize(0, 2 * kRoom)) * ratio, QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(label.palette().color(label.backgroundRole()));
    QPainter painter(&canvas);
    painter.setFont(label.font());
    drawGameText(painter, label, QRect(0, 0, label.width(), label.height() + 2 * kRoom),
                 label.alignment(), label.text());
    return canvas;
}

// The dark pixels of a sample drawn by a label of the game in black on white, at the screen's
// density.
int darkPixels(const QFont& font) {
    QLabel* label = makeLabel(nullptr, QStringLiteral("Ваши данные Компьютер Системная плата "
                                                      "Посетить Программист Flash 7.0 FTP й"));
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->setFont(font);
    label->adjustSize();
    const QImage canvas = label->grab().toImage();
    delete label;
    int dark = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            dark += qGray(canvas.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return dark;
}

// The colour that most of an image shows: the ground a label's text stands on.
QColor groundOf(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return most == counts.cend() ? QColor() : QColor(most.key());
}

bool differs(QRgb one, QRgb other) {
    return std::abs(qRed(one) - qRed(other)) > 32 || std::abs(qGreen(one) - qGreen(other)) > 32 ||
           std::abs(qBlue(one) - qBlue(other)) > 32;
}

// How many pixels of the frame that marks the keyboard focus touch a letter: the label as it
// is drawn against its text drawn alone, each pixel that the frame adds looked at with its
// neighbours.
int lettersCrossedByTheFocusFrame(ActionLabel& label) {
    const QImage framed = label.grab().toImage();
    QImage text(framed.size(), framed.format());
    text.setDevicePixelRatio(framed.devicePixelRatio());
    const QRgb ground = label.palette().color(label.backgroundRole()).rgb();
    text.fill(ground);
    {
        QPainter painter(&text);
        painter.setFont(label.font());
        drawGameText(painter, label, label.contentsRect(), label.alignment(), label.text());
    }
    int crossed = 0;
    for (int y = 0; y < framed.height(); ++y) {
        for (int x = 0; x < framed.width(); ++x) {
            if (!differs(framed.pixel(x, y), text.pixel(x, y))) {
                continue;
            }
            bool touches = false;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint near(x + dx, y + dy);
                    touches = touches ||
                              (text.rect().contains(near) && differs(text.pixel(near), ground));
                }
            }
            crossed += touches ? 1 : 0;
        }
    }
    return crossed;
}

}  // namespace

// What a player reads, pixel by pixel, at the screen's own density (the tests run at scale 1
// and 2).
class TextPixelsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    // Tahoma reaches above its own line height at small sizes; no label may cut the top of a
    // capital, an accent or a breve.
    void everyActionLabelShowsItsTextWhole() {
        TestProgram t;
        t.startGame();
        int labels = 0;
        for (std::size_t i = 1; i < kWindowCount; ++i) {
            GameWindow* window = t.show(static_cast<WindowId>(i));
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const qreal ratio = window->devicePixelRatio();
            for (ActionLabel* label : window->findChildren<ActionLabel*>()) {
                if (label->text().isEmpty()) {
                    continue;
                }
                const QColor background = label->palette().color(label->backgroundRole());
                const int shown = inkRows(label->grab().toImage(), background);
                const int whole = inkRows(drawnWithRoom(*label, ratio), background);
                QVERIFY2(shown == whole,
                         qPrintable(QStringLiteral("%1 «%2» at scale %3: %4 rows of %5")
                                        .arg(label->objectName(), label->text())
                                        .arg(ratio)
                                        .arg(shown)
                                        .arg(whole)));
                ++labels;
            }
        }
        QVERIFY(labels > 100);
    }

    // Every item reads on its ground at rest and with the keyboard focus; under the pointer
    // it takes the colours the game gives it, whatever they are.
    void everyItemReadsAtRestAndWithTheKeyboardFocus() {
        TestProgram t;
        t.startGame();
        int items = 0;
        for (std::size_t i = 1; i < kWindowCount; ++i) {
            const auto id = static_cast<WindowId>(i);
            GameWindow* window = t.show(id);
            QVERIFY2(QTest::qWaitForWindowExposed(window) && waitUntilActive(window),
                     qPrintable(window->objectName()));
            for (ActionLabel* label : window->findChildren<ActionLabel*>()) {
                if (label->text().isEmpty() || !label->isEnabled() || !label->isVisibleTo(window)) {
                    continue;
                }
                const QColor ground = groundOf(label->grab().toImage());
                const double atRest = contrast(label->fontColor(), ground);
                label->setFocus(Qt::TabFocusReason);
                const double focused = contrast(label->fontColor(), ground);
                const int crossed = lettersCrossedByTheFocusFrame(*label);
                window->setFocus(Qt::OtherFocusReason);
                QVERIFY2(crossed == 0, qPrintable(QStringLiteral("%1 «%2»: the focus frame touches "
                                                                 "%3 pixels of its letters")
                                                      .arg(label->objectName(), label->text())
                                                      .arg(crossed)));
                QVERIFY2(atRest >= kReadableContrast && focused >= kReadableContrast,
                         qPrintable(QStringLiteral("%1 «%2»: contrast %3 at rest, %4 focused")
                                        .arg(label->objectName(), label->text())
                                        .arg(atRest)
                                        .arg(focused)));
                ++items;
            }
            t.game().window(id).shown = id == WindowId::fMain;
            t.program.shell().sync();
        }
        QVERIFY(items > 50);
    }

    // Bold reads as bold at every size the game uses and at every scale (the test runs at 1,
    // 1.5 and 2): as much bolder than the regular as at scale 1, where whole pixels round Qt's
    // bold up.
    void boldReadsAsBoldAtEverySizeTheGameUses() {
        for (int pixels : {8, 11, 12}) {
            const int regular = darkPixels(gameFont(pixels, false));
            const int bold = darkPixels(gameFont(pixels, true));
            QVERIFY2(bold >= regular * 130 / 100,
                     qPrintable(QStringLiteral("%1 px at scale %2: %3 dark pixels bold, %4 regular")
                                    .arg(pixels)
                                    .arg(qApp->devicePixelRatio())
                                    .arg(bold)
                                    .arg(regular)));
        }
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::TextPixelsTest)
#include "TextPixelsTest.moc"
