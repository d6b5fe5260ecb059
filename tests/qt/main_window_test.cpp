#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <utility>

#include "pairing/outcome_table.h"
#include "qt/application_setup.h"
#include "qt/check_box.h"
#include "qt/main_window.h"

using pairing::PhaseBox;
using ui::CheckBox;
using ui::Form3;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

CheckBox* boxOn(Form3& form, PhaseBox box) {
    return form.findChild<CheckBox*>(qs(pairing::boxName(box)));
}

QLabel* answerOn(Form3& form) {
    return form.findChild<QLabel*>(QStringLiteral("answer"));
}

void click(Form3& form, PhaseBox box) {
    CheckBox* widget = boxOn(form, box);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

// The texts of a notification spot each time it appears, as screen readers hear them.
class NotificationsHeard : public QObject {
public:
    explicit NotificationsHeard(QWidget* spot) : spot_(spot) { spot->installEventFilter(this); }

    const QStringList& heardSoFar() const { return heard_; }

    QStringList takeAfter(const std::function<void()>& action) {
        heard_.clear();
        action();
        QTest::qWait(0);  // the handling is over
        return std::exchange(heard_, {});
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        QAccessibleInterface* spot = QAccessible::queryAccessibleInterface(spot_);
        if (event->type() == QEvent::Show && spot->role() == QAccessible::Notification)
            heard_ << spot->text(QAccessible::Name);
        return false;
    }

private:
    QWidget* spot_;
    QStringList heard_;
};

void expectFresh(Form3& form) {
    for (PhaseBox box : pairing::kAllBoxes) {
        QCOMPARE(boxOn(form, box)->value(), 0);
        QCOMPARE(boxOn(form, box)->checkState(), Qt::Unchecked);
        QVERIFY2(boxOn(form, box)->isEnabled(), pairing::boxName(box).data());
    }
    QCOMPARE(answerOn(form)->text(), QString());
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::prepareApplication(*qApp); }

    void toolkitStringsAreFrench() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annuler"));
    }

    // The designs' own words, as a breeder reads them (every field of every control is the
    // conformance test's).
    void controlsStandWhereTheDesignPutsThem() {
        Form3 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Morvane 101"));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(form.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
                 QStringLiteral("Le Résultat va apparaître ici"));
        QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("Command3"))->text(),
                 QStringLiteral("Reset"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("Label5"))->text(),
                 QStringLiteral("Trait Hétérozygote"));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("answer"))->font().pixelSize(), 18);
    }

    void boxesShowTheirPhaseInItsColour() {
        Form3 form;
        QCOMPARE(boxOn(form, PhaseBox::Check17)->text(), QStringLiteral("Régulier"));
        QCOMPARE(boxOn(form, PhaseBox::Check14)->text(), QStringLiteral("Het Albinos"));
        QCOMPARE(boxOn(form, PhaseBox::Check5)->palette().color(QPalette::WindowText),
                 QColor(0, 0, 192));
        // The Het red, dark enough to be read on the grey.
        QCOMPARE(boxOn(form, PhaseBox::Check16)->palette().color(QPalette::WindowText),
                 QColor(163, 0, 0));
        QCOMPARE(boxOn(form, PhaseBox::Check13)->y(), boxOn(form, PhaseBox::Check16)->y());
        // Disabled captions stay readable on the grey background.
        const QPalette disabled = boxOn(form, PhaseBox::Check3)->palette();
        QVERIFY(disabled.color(QPalette::Window).lightness() -
                    disabled.color(QPalette::Disabled, QPalette::WindowText).lightness() >=
                64);
    }

    void screenReadersHearEachBoxsParentAndPhase() {
        Form3 form;
        const auto spoken = [](QWidget* widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(spoken(boxOn(form, PhaseBox::Check1)), QStringLiteral("Femelle : Albinos"));
        QCOMPARE(spoken(boxOn(form, PhaseBox::Check18)), QStringLiteral("Mâle : Régulier"));
        QCOMPARE(spoken(boxOn(form, PhaseBox::Check16)), QStringLiteral("Mâle : Het Patternless"));
        QCOMPARE(spoken(form.findChild<QGroupBox*>(QStringLiteral("Frame1"))),
                 QStringLiteral("Le Résultat va apparaître ici"));
        QCOMPARE(spoken(form.findChild<QPushButton*>(QStringLiteral("Command1"))),
                 QStringLiteral("Fermer"));
        click(form, PhaseBox::Check7);
        click(form, PhaseBox::Check8);
        QCOMPARE(spoken(answerOn(form)), QStringLiteral("100% Patternless."));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Description),
                 QStringLiteral("Choisir une phase pour la femelle et une pour le male."));
    }

    void screenReadersAreToldTheInstructionEachAnswerAndWhatBecameOfTheChoices() {
        Form3 form;
        auto* spot = form.findChild<QWidget*>(QStringLiteral("announcer"));
        NotificationsHeard heard(spot);
        // Once the window has opened, whatever a screen reader makes of its description.
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTRY_COMPARE(
            heard.heardSoFar(),
            QStringList{QStringLiteral("Choisir une phase pour la femelle et une pour le male.")});
        QCOMPARE(heard.takeAfter([&] { click(form, PhaseBox::Check1); }),
                 QStringList{QStringLiteral("Les autres phases de la femelle sont indisponibles "
                                            "tant qu'Albinos est cochée.")});
        QCOMPARE(heard.takeAfter([&] { click(form, PhaseBox::Check14); }),
                 QStringList{QStringLiteral("50% Albinos et 50% Het Albinos. Les autres phases "
                                            "du mâle sont indisponibles tant qu'Het Albinos "
                                            "est cochée.")});
        QCOMPARE(
            heard.takeAfter([&] { click(form, PhaseBox::Check14); }),
            QStringList{QStringLiteral("Toutes les phases du mâle sont de nouveau disponibles.")});
        click(form, PhaseBox::Check4);
        // Only the last word of Reset is spoken, not one per box it unticks.
        QCOMPARE(heard.takeAfter([&] {
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command3")),
                              Qt::LeftButton);
        }),
                 QStringList{
                     QStringLiteral("Toutes les phases ont été décochées et le résultat effacé.")});
    }

    // Measured with the fonts the window actually uses.
    void everyCaptionIsFullyVisible() {
        Form3 form;
        for (QWidget* control : form.findChildren<QWidget*>()) {
            const QString text = control->property("text").toString();
            if (text.isEmpty() || control->objectName() == QStringLiteral("answer"))
                continue;
            QVERIFY2(control->sizeHint().width() <= control->width(),
                     qPrintable(control->objectName()));
            QVERIFY2(control->sizeHint().height() <= control->height(),
                     qPrintable(control->objectName()));
        }
        auto* frame = form.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QVERIFY(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 16);
    }

    void longestAnswersWrapInsideTheFrame() {
        Form3 form;
        QLabel* answer = answerOn(form);
        for (PhaseBox box : pairing::kAllBoxes) {
            for (const pairing::OutcomeEntry& entry : pairing::OutcomeTable::entries(box)) {
                answer->setText(qs(entry.text));
                QVERIFY(answer->heightForWidth(answer->width()) <= answer->height());
            }
        }
        QVERIFY(answer->alignment() & Qt::AlignTop);
        QVERIFY(answer->alignment() & Qt::AlignLeft);
    }

    void opensFreshWithTheFocusOnFermer() {
        Form3 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        expectFresh(form);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
    }

    void clicksShowTheOutcome_data() {
        QTest::addColumn<PhaseBox>("first");
        QTest::addColumn<PhaseBox>("second");
        QTest::addColumn<QString>("expected");
        QTest::newRow("female Albinos then male Het Albinos")
            << PhaseBox::Check1 << PhaseBox::Check14
            << QStringLiteral("50% Albinos et 50% Het Albinos.");
        QTest::newRow("male Tangerine then female Albinos")
            << PhaseBox::Check10 << PhaseBox::Check1
            << QStringLiteral("Certains Tangerines mais tous seront het Albinos.");
        QTest::newRow("female Régulier then male Régulier")
            << PhaseBox::Check17 << PhaseBox::Check18 << QStringLiteral("100% régulier");
        QTest::newRow("male Régulier then female Régulier")
            << PhaseBox::Check18 << PhaseBox::Check17 << QStringLiteral("100% Régulier");
        QTest::newRow("Het Patternless with Het Blizzard")
            << PhaseBox::Check13 << PhaseBox::Check15
            << QStringLiteral(
                   "25% Régulier, 25% Het Blizzard, 25% Het Patternless et 25% double "
                   "Het pour Banana Blizzard.");
    }

    void clicksShowTheOutcome() {
        QFETCH(PhaseBox, first);
        QFETCH(PhaseBox, second);
        QFETCH(QString, expected);
        Form3 form;
        form.show();
        click(form, first);
        QCOMPARE(answerOn(form)->text(), QString());
        click(form, second);
        QCOMPARE(answerOn(form)->text(), expected);
        QCOMPARE(qs(form.board().answer()), expected);
        for (PhaseBox box : pairing::kAllBoxes) {
            const bool ticked = box == first || box == second;
            QCOMPARE(boxOn(form, box)->isEnabled(), ticked);
        }
    }

    void untickingClearsAnswerAndReenablesSiblings() {
        Form3 form;
        form.show();
        click(form, PhaseBox::Check3);
        click(form, PhaseBox::Check4);
        click(form, PhaseBox::Check5);  // disabled: nothing happens
        QCOMPARE(boxOn(form, PhaseBox::Check5)->value(), 0);
        click(form, PhaseBox::Check4);
        QCOMPARE(answerOn(form)->text(), QString());
        QVERIFY(boxOn(form, PhaseBox::Check6)->isEnabled());
        QVERIFY(!boxOn(form, PhaseBox::Check5)->isEnabled());
        click(form, PhaseBox::Check16);
        QCOMPARE(answerOn(form)->text(),
                 QStringLiteral("50% Het Blizzard et 50% Double Het pour Banana Blizzard."));
    }

    void resetClearsEveryChoice_data() {
        QTest::addColumn<QList<PhaseBox>>("ticked");
        QTest::newRow("nothing ticked") << QList<PhaseBox>{};
        QTest::newRow("one female") << QList<PhaseBox>{PhaseBox::Check12};
        QTest::newRow("one male") << QList<PhaseBox>{PhaseBox::Check18};
        QTest::newRow("a pairing shown") << QList<PhaseBox>{PhaseBox::Check9, PhaseBox::Check6};
    }

    void resetClearsEveryChoice() {
        QFETCH(QList<PhaseBox>, ticked);
        Form3 form;
        form.show();
        for (PhaseBox box : ticked)
            click(form, box);
        QStringList answersSeen;
        connect(boxOn(form, PhaseBox::Check18), &CheckBox::valueChanged, this,
                [&] { answersSeen << answerOn(form)->text(); });
        auto* reset = form.findChild<QPushButton*>(QStringLiteral("Command3"));
        QTest::mouseClick(reset, Qt::LeftButton);
        expectFresh(form);
        for (const QString& seen : answersSeen)
            QCOMPARE(seen, QString());  // no pairing shown on the way
        QTest::mouseClick(reset, Qt::LeftButton);
        expectFresh(form);

        click(form, PhaseBox::Check11);
        click(form, PhaseBox::Check14);
        QCOMPARE(answerOn(form)->text(),
                 QStringLiteral("25% Régulier, 50% Het Albinos et 25% Albinos."));
    }

    void tabVisitsControlsInDesignOrderSkippingDisabledBoxes() {
        Form3 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const auto tabRound = [&] {
            QStringList visited{QApplication::focusWidget()->objectName()};
            for (int i = 0; i < 25; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                const QString name = QApplication::focusWidget()->objectName();
                if (name == visited.front())
                    break;
                visited << name;
            }
            return visited.join(QLatin1Char(' '));
        };
        QCOMPARE(tabRound(),
                 QStringLiteral("Command1 Check1 Check2 Check16 Check15 Check14 Check13 Check12 "
                                "Check11 Check10 Check9 Check8 Check7 Check6 Check5 Check4 "
                                "Check3 Check17 Check18 Command3"));
        click(form, PhaseBox::Check1);
        boxOn(form, PhaseBox::Check1)->clearFocus();
        form.findChild<QPushButton*>(QStringLiteral("Command1"))->setFocus();
        QCOMPARE(tabRound(),
                 QStringLiteral("Command1 Check1 Check2 Check16 Check15 Check14 Check10 Check8 "
                                "Check6 Check4 Check18 Command3"));
    }

    void returnPressesTheFocusedButton() {
        Form3 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        click(form, PhaseBox::Check9);
        click(form, PhaseBox::Check6);
        auto* reset = form.findChild<QPushButton*>(QStringLiteral("Command3"));
        reset->setFocus();
        QTest::keyClick(reset, Qt::Key_Return);
        expectFresh(form);
        click(form, PhaseBox::Check9);
        QTest::keyClick(reset, Qt::Key_Enter, Qt::KeypadModifier);
        expectFresh(form);
    }

    void arrowKeysMoveAmongTheEnabledBoxes_data() {
        QTest::addColumn<QList<PhaseBox>>("ticked");
        QTest::addColumn<PhaseBox>("from");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<PhaseBox>("reached");
        using List = QList<PhaseBox>;
        using Keys = QList<int>;
        // Along a column
        QTest::newRow("down from Régulier to Albinos")
            << List{} << PhaseBox::Check17 << Keys{Qt::Key_Down} << PhaseBox::Check1;
        QTest::newRow("down across the headings")
            << List{} << PhaseBox::Check10 << Keys{Qt::Key_Down, Qt::Key_Down} << PhaseBox::Check15;
        QTest::newRow("up at the top stays")
            << List{} << PhaseBox::Check18 << Keys{Qt::Key_Up} << PhaseBox::Check18;
        QTest::newRow("down at the bottom stays")
            << List{} << PhaseBox::Check13 << Keys{Qt::Key_Down} << PhaseBox::Check13;
        QTest::newRow("a ticked box has no enabled neighbour")
            << List{PhaseBox::Check7} << PhaseBox::Check7 << Keys{Qt::Key_Up, Qt::Key_Down}
            << PhaseBox::Check7;
        // Across the columns
        QTest::newRow("right to the twin")
            << List{} << PhaseBox::Check5 << Keys{Qt::Key_Right} << PhaseBox::Check6;
        QTest::newRow("left to the twin")
            << List{} << PhaseBox::Check16 << Keys{Qt::Key_Left} << PhaseBox::Check13;
        QTest::newRow("left of the female column stays")
            << List{} << PhaseBox::Check1 << Keys{Qt::Key_Left} << PhaseBox::Check1;
        QTest::newRow("right of the male column stays")
            << List{} << PhaseBox::Check2 << Keys{Qt::Key_Right} << PhaseBox::Check2;
        QTest::newRow("across to the ticked box when the twin is disabled")
            << List{PhaseBox::Check9} << PhaseBox::Check2 << Keys{Qt::Key_Left} << PhaseBox::Check9;
    }

    void arrowKeysMoveAmongTheEnabledBoxes() {
        QFETCH(QList<PhaseBox>, ticked);
        QFETCH(PhaseBox, from);
        QFETCH(QList<int>, keys);
        QFETCH(PhaseBox, reached);
        Form3 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (PhaseBox box : ticked)
            click(form, box);
        boxOn(form, from)->setFocus();
        for (int key : keys)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), boxOn(form, reached));
        QCOMPARE(boxOn(form, from)->value(), ticked.contains(from) ? 1 : 0);  // moved, not ticked
    }

    void resizingLeavesEveryControlInPlace() {
        Form3 form;
        form.show();
        QList<QRect> before;
        for (QWidget* control : form.findChildren<QWidget*>())
            before << control->geometry();
        form.showMaximized();
        form.resize(900, 800);
        QList<QRect> after;
        for (QWidget* control : form.findChildren<QWidget*>())
            after << control->geometry();
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
