#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QtEndian>

#include "design/application.h"
#include "qt/application_setup.h"
#include "qt/check_box.h"
#include "qt/splash_window.h"

using ui::Form1;

namespace {

QLabel* label(Form1& splash, const char* name) {
    return splash.findChild<QLabel*>(QString::fromLatin1(name));
}

ui::CheckBox* box(ui::Form3* form, const char* name) {
    return form->findChild<ui::CheckBox*>(QString::fromLatin1(name));
}

QString answer(ui::Form3* form) {
    return form->findChild<QLabel*>(QStringLiteral("answer"))->text();
}

struct ChildResult {
    int exitCode;
    QString out;
};

ChildResult runChild(const QString& scenario, const QString& seed = {}) {
    QProcess child;
    child.start(QStringLiteral(CHILD_SCENARIOS), {scenario, seed});
    const bool finished = child.waitForFinished(20000);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    // A crash or a hang must never pass for a clean end.
    const bool clean = finished && child.exitStatus() == QProcess::NormalExit;
    return {clean ? child.exitCode() : -1, QString::fromUtf8(child.readAllStandardOutput())};
}

}  // namespace

class SplashTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::prepareApplication(*qApp); }

    // First: later tests would find the icon already set by an earlier window.
    void windowsGetTheBuiltInIconOnceTheFirstIsPainted() {
        Form1 splash;
        splash.show();
        QTRY_VERIFY(!splash.windowIcon().isNull());
        const QList<QSize> sizes = splash.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(64, 64)));
    }

    void showsTitleSubtitlePictureAndNotice() {
        Form1 splash;
        QCOMPARE(splash.windowTitle(), QStringLiteral("Morvane 101"));
        QCOMPARE(label(splash, "Label1")->text(), QStringLiteral("Morvane 101"));
        QCOMPARE(label(splash, "Label1")->geometry(), QRect(114, 16, 145, 25));
        QCOMPARE(label(splash, "Label1")->palette().color(QPalette::Window), QColor(192, 192, 192));
        QVERIFY(label(splash, "Label1")->autoFillBackground());
        QCOMPARE(label(splash, "Label3")->text(), QStringLiteral("des Geckos Léopards"));
        QVERIFY(label(splash, "Label3")->font().bold());
        QCOMPARE(label(splash, "Label3")->geometry(), QRect(88, 48, 193, 25));
        QCOMPARE(label(splash, "Label2")->geometry(), QRect(32, 192, 313, 25));
        QVERIFY(!label(splash, "Label2")->text().isEmpty());
        QLabel* picture = label(splash, "Image2");
        QCOMPARE(picture->geometry(), QRect(98, 80, 175, 101));
        // On a dense screen, a picture painted for it rather than the small one enlarged;
        // the same size on screen, give or take the rounding to whole device pixels.
        const QSizeF onScreen = picture->pixmap().deviceIndependentSize();
        QVERIFY(qAbs(onScreen.width() - 175) < 1 && qAbs(onScreen.height() - 101) < 1);
        QCOMPARE(picture->pixmap().size(), (QSizeF(175, 101) * qApp->devicePixelRatio()).toSize());
        for (const char* name : {"Label1", "Label2", "Label3"}) {
            QVERIFY2(label(splash, name)->sizeHint().width() <= label(splash, name)->width(), name);
            QVERIFY(label(splash, name)->alignment() & Qt::AlignHCenter);
        }
    }

    void pictureIsAnUncompressedBottomUpBitmap() {
        QFile file(QStringLiteral(":/pictures/gecko.bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 53382);
        const auto field32 = [&](int offset) {
            return qFromLittleEndian<qint32>(bytes.constData() + offset);
        };
        const auto field16 = [&](int offset) {
            return qFromLittleEndian<qint16>(bytes.constData() + offset);
        };
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(field32(2), 53382);  // file size
        QCOMPARE(field32(10), 54);    // pixels start after the two headers
        QCOMPARE(field32(14), 40);    // BITMAPINFOHEADER
        QCOMPARE(field32(18), 175);
        QCOMPARE(field32(22), 101);  // positive: bottom-up rows
        QCOMPARE(field16(26), 1);
        QCOMPARE(field16(28), 24);
        QCOMPARE(field32(30), 0);  // no compression
    }

    void timerTicksOnAfterEachTick() {
        Form1 splash;
        splash.Timer1_Timer();
        splash.Timer1_Timer();
        QVERIFY(splash.timer1().isActive());
    }

    void firstTickHidesSplashAndShowsAFreshMainWindow() {
        QElapsedTimer clock;
        clock.start();
        Form1 splash;
        splash.show();
        QVERIFY(!splash.mainWindow());
        QTRY_VERIFY_WITH_TIMEOUT(splash.mainWindow() && splash.mainWindow()->isVisible(), 4000);
        QVERIFY(clock.elapsed() >= design::kHandOverMilliseconds);
        QVERIFY(!splash.isVisible());
        QVERIFY(splash.mainWindow()->parentWidget() == nullptr);
        for (ui::CheckBox* check : splash.mainWindow()->findChildren<ui::CheckBox*>()) {
            QCOMPARE(check->value(), 0);
            QVERIFY(check->isEnabled());
        }
        QCOMPARE(answer(splash.mainWindow()), QString());
    }

    void laterTicksLeaveAVisibleMainWindowAsItIs() {
        Form1 splash;
        splash.Timer1_Timer();
        ui::Form3* first = splash.mainWindow();
        box(first, "Check5")->setValue(1);
        box(first, "Check10")->setValue(1);
        const QString shown = answer(first);
        splash.Timer1_Timer();
        splash.Timer1_Timer();
        QCOMPARE(splash.mainWindow(), first);
        QCOMPARE(answer(first), shown);
        QCOMPARE(box(first, "Check5")->value(), 1);
        QVERIFY(!box(first, "Check7")->isEnabled());
        QVERIFY(!splash.isVisible());
    }

    void closingTheMainWindowBringsAFreshOne() {
        Form1 splash;
        splash.show();
        QTRY_VERIFY_WITH_TIMEOUT(splash.mainWindow() && splash.mainWindow()->isVisible(), 4000);
        box(splash.mainWindow(), "Check1")->setValue(1);
        splash.mainWindow()->close();
        QTRY_VERIFY(!splash.mainWindow());  // unloaded, not just hidden
        // How soon it comes is the bench's; here it must come.
        QTRY_VERIFY_WITH_TIMEOUT(splash.mainWindow() && splash.mainWindow()->isVisible(), 20000);
        QCOMPARE(box(splash.mainWindow(), "Check1")->value(), 0);
        QVERIFY(box(splash.mainWindow(), "Check3")->isEnabled());
    }

    // A tick forced between the close and the deletion of the closed window.
    void aTickRightAfterACloseBringsAFreshMainWindow() {
        Form1 splash;
        splash.Timer1_Timer();
        QPointer<ui::Form3> closed = splash.mainWindow();
        box(closed, "Check1")->setValue(1);
        closed->close();
        splash.Timer1_Timer();
        QTRY_VERIFY(closed.isNull());
        QVERIFY(splash.mainWindow() && splash.mainWindow()->isVisible());
        QCOMPARE(box(splash.mainWindow(), "Check1")->value(), 0);
    }

    void theEndLeavesNoWindowAndNoClock() {
        const ChildResult result = runChild(QStringLiteral("end-after-hand-over"));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("window left: no, Timer1 ticking: no\n"
                                            "main window existed\n"));
    }

    void closingTheSplashFirstEndsTheProgramWithoutMainWindow() {
        const ChildResult result = runChild(QStringLiteral("close-splash-first"));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("no main window\n"));
    }

    void fermerEndsTheWholeProgram() {
        const ChildResult result = runChild(QStringLiteral("close-through-fermer"));
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(QStringLiteral("main window shown\nthanks shown\n")),
                 qPrintable(result.out));
        QVERIFY(result.out.endsWith(QStringLiteral("main window existed\n")));
    }

    void closingTheMainWindowUnderItsFermerBoxStillEndsCleanly() {
        const ChildResult result = runChild(QStringLiteral("close-main-window-while-thanks-shown"));
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, QStringLiteral("closing main window under the box\nno main window\n"));
    }

    void theSplashStaysOnWatchOnceTheMainWindowIsShown() {
        const ChildResult result = runChild(QStringLiteral("close-splash-after-hand-over"));
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.startsWith(QStringLiteral("splash hidden\nprogram still running\n")),
                 qPrintable(result.out));
    }

    void windowsClosedInAnyOrderNeverCrashTheProgram_data() {
        QTest::addColumn<QString>("seed");
        for (const char* seed : {"1", "2", "3", "4"})
            QTest::newRow(seed) << QString::fromLatin1(seed);
    }

    void windowsClosedInAnyOrderNeverCrashTheProgram() {
        QFETCH(QString, seed);
        const ChildResult result = runChild(QStringLiteral("chaos"), seed);
        QCOMPARE(result.exitCode, 0);
    }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
