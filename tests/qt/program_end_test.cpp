// What ends the program, run in child processes.
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include "design/application.h"
#include "design/spoken_texts.h"
#include "qt/form_builder.h"
#include "qt/main_window.h"

namespace {

struct ChildResult {
    int exitCode;
    QProcess::ExitStatus exitStatus;
    QString out;
    QString err;
};

ChildResult runChild(const QStringList& arguments) {
    QProcess child;
    child.start(QStringLiteral(CHILD_SCENARIOS), arguments);
    if (!child.waitForFinished(20000)) {
        child.kill();
        child.waitForFinished();
    }
    return {child.exitCode(), child.exitStatus(), QString::fromUtf8(child.readAllStandardOutput()),
            QString::fromUtf8(child.readAllStandardError())};
}

}  // namespace

class ProgramEndTest : public QObject {
    Q_OBJECT

private slots:
    void desktopsCanMatchTheWindowsToTheInstalledMenuEntry() {
        const QString entry =
            QStringLiteral(PACKAGING_DIR "/%1.desktop").arg(ui::toQString(design::kApplicationId));
        QVERIFY2(QFile::exists(entry), qPrintable(entry));
    }

    void fermerShowsTheThanksThenEndsTheProgram_data() {
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("dismissal");
        QTest::newRow("OK button") << QStringLiteral("close-command") << QStringLiteral("ok");
        QTest::newRow("Escape key") << QStringLiteral("close-command") << QStringLiteral("escape");
        QTest::newRow("close control")
            << QStringLiteral("close-command") << QStringLiteral("close");
        QTest::newRow("Return on Fermer, then on the box")
            << QStringLiteral("close-command-by-return") << QStringLiteral("return");
    }

    void fermerShowsTheThanksThenEndsTheProgram() {
        QFETCH(QString, press);
        QFETCH(QString, dismissal);
        const ChildResult result = runChild({press, dismissal});
        QCOMPARE(result.exitStatus, QProcess::NormalExit);
        QCOMPARE(result.exitCode, 0);
        const QString expectedBox = QStringLiteral("box: Morvane 101 | %1 | %2 | %3\n")
                                        .arg(ui::toQString(design::thanksNote()))
                                        .arg(int(QMessageBox::NoIcon))
                                        .arg(int(Qt::ApplicationModal));
        QCOMPARE(result.out,
                 expectedBox + QStringLiteral("returned from Fermer\nexec returned 0\n"));
    }

    void reachingAControlOfADestroyedWindowIsARunTimeError() {
        const ChildResult result = runChild({QStringLiteral("control-of-destroyed-window")});
        QCOMPARE(result.exitStatus, QProcess::NormalExit);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(QStringLiteral("« Check7 »")), qPrintable(result.err));
        QVERIFY(result.err.contains(QStringLiteral("lecture de Value")));
        QVERIFY(result.out.startsWith(QStringLiteral("box: Morvane 101 | Erreur d'exécution")));
    }

    void aMissingControlIsARunTimeError_data() {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("missing");
        QTest::newRow("board on a form without its controls")
            << QStringLiteral("form-without-controls") << QStringLiteral("« answer »");
        QTest::newRow("control whose container is missing")
            << QStringLiteral("control-without-container") << QStringLiteral("« Frame9 »");
    }

    void aMissingControlIsARunTimeError() {
        QFETCH(QString, scenario);
        QFETCH(QString, missing);
        const ChildResult result = runChild({scenario});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(missing), qPrintable(result.err));
    }
};

QTEST_GUILESS_MAIN(ProgramEndTest)
#include "program_end_test.moc"
