#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>
#include <functional>

#include "game/MainPictures.h"
#include "internet/InternetPictures.h"
#include "software/SoftwarePictures.h"
#include "support/TestProgram.h"
#include "titles/AboutPictures.h"
#include "widgets/Pictures.h"

namespace tessaro::testing {

class PicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { prepareApplication(); }

    // A picture drawn for a dense screen has twice the pixels in each direction and is drawn
    // anew, not the small picture scaled up.
    void everyDrawnPictureIsSharpAtTwiceTheDensity() {
        struct Row {
            const char* name;
            std::function<QPixmap(qreal)> draw;
        };
        const Row rows[] = {
            {"button", [](qreal r) { return drawButtonPictures(r)[3]; }},
            {"program icon", [](qreal r) { return drawProgramIcon(32, r); }},
            {"computer icon", [](qreal r) { return drawComputerIcon(r); }},
            {"CD", [](qreal r) { return drawCdPictures(r)[kCdInstallable]; }},
            {"globe", [](qreal r) { return drawGlobePicture(72, r); }},
            {"team portrait", [](qreal r) { return drawTeamPortrait(r); }},
            {"team picture", [](qreal r) { return drawTeamPicture(r); }},
            {"team logo", [](qreal r) { return drawTeamLogo(r); }},
        };
        for (const Row& row : rows) {
            const QPixmap small = row.draw(1.0);
            const QPixmap large = row.draw(2.0);
            QCOMPARE(large.size(), small.size() * 2);
            QCOMPARE(large.devicePixelRatio(), 2.0);
            const QImage upscaled =
                small.toImage().scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY2(large.toImage().convertToFormat(upscaled.format()) != upscaled, row.name);
        }
        const QIcon menu = drawMenuIcon(MenuIcon::Save);
        QCOMPARE(menu.availableSizes().size(), 2);
    }

    // The windows, the title bars and the desktop's icon files show one and the same icon,
    // drawn at each size on a transparent ground.
    void everyWindowCarriesTheProgramIcon() {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.availableSizes().isEmpty());
        for (const QSize& size : icon.availableSizes()) {
            const QImage offered = icon.pixmap(size, 1.0).toImage();
            QCOMPARE(offered.size(), size);
            QCOMPARE(offered, drawProgramIcon(size.width(), 1.0).toImage());
            QCOMPARE(qAlpha(offered.pixel(0, offered.height() - 1)), 0);
        }
        QWidget window;
        QCOMPARE(window.windowIcon().cacheKey(), icon.cacheKey());

        QXmlStreamReader svg(programIconSvg());
        int shapes = 0;
        while (!svg.atEnd()) {
            if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"rect") {
                ++shapes;
            }
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
        QVERIFY(shapes > 0);
    }

    void theJpegPicturesComeTwiceAsLargeForDenseScreens() {
        for (const char* name : {"congratulations", "congratulations-en", "rest", "virus"}) {
            const QImage small(QStringLiteral(":/pictures/%1.jpg").arg(QLatin1String(name)));
            const QImage large(QStringLiteral(":/pictures/%1@2x.jpg").arg(QLatin1String(name)));
            QVERIFY2(!small.isNull() && !large.isNull(), name);
            QCOMPARE(large.size(), small.size() * 2);
        }
        // On a screen of ratio 1 the window shows the picture at its own size.
        QCOMPARE(loadPicture(QStringLiteral("rest")).size(), QSize(200, 110));
    }
};

}  // namespace tessaro::testing

QTEST_MAIN(tessaro::testing::PicturesTest)
#include "PicturesTest.moc"
