#include <QSignalSpy>
#include <QTest>

#include "qt/check_box.h"

using ui::CheckBox;

class CheckBoxTest : public QObject {
    Q_OBJECT

private slots:
    void writingANewValueReportsItOnceBeforeReturning() {
        CheckBox box;
        int valueSeenByHandler = -1;
        connect(&box, &CheckBox::valueChanged, this, [&] { valueSeenByHandler = box.value(); });
        QSignalSpy spy(&box, &CheckBox::valueChanged);
        box.setValue(1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(valueSeenByHandler, 1);
        QCOMPARE(box.checkState(), Qt::Checked);
        box.setValue(1);
        QCOMPARE(spy.count(), 1);
        box.setValue(0);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(box.checkState(), Qt::Unchecked);
    }

    void otherValuesShowAsNeitherTickedNorUnticked() {
        CheckBox box;
        QSignalSpy spy(&box, &CheckBox::valueChanged);
        box.setValue(2);
        QCOMPARE(box.checkState(), Qt::PartiallyChecked);
        box.setValue(-7);
        QCOMPARE(box.value(), -7);
        QCOMPARE(box.checkState(), Qt::PartiallyChecked);
        QCOMPARE(spy.count(), 2);
    }

    void userClicksToggleBetweenTickedAndUnticked() {
        CheckBox box;
        box.setText(QStringLiteral("Albinos"));
        box.resize(81, 25);
        QSignalSpy spy(&box, &CheckBox::valueChanged);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(box.value(), 1);
        box.setValue(2);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, 12));
        QCOMPARE(box.value(), 1);
        QTest::keyClick(&box, Qt::Key_Space);
        QCOMPARE(box.value(), 0);
        QCOMPARE(spy.count(), 4);
    }

    void stateChangedBehindValueStillChangesValue() {
        CheckBox box;
        QSignalSpy spy(&box, &CheckBox::valueChanged);
        box.toggle();
        QCOMPARE(box.value(), 1);
        box.setChecked(false);
        QCOMPARE(box.value(), 0);
        QCOMPARE(spy.count(), 2);
    }
};

QTEST_MAIN(CheckBoxTest)
#include "check_box_test.moc"
