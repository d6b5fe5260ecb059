// Random sequences of real mouse clicks, Resets and code writes on the main window,
// against the reference model.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "qt/application_setup.h"
#include "qt/check_box.h"
#include "qt/main_window.h"
#include "tests/model/reference_model.h"

namespace {

class WindowUnderTest final : public model::SystemUnderTest {
public:
    WindowUnderTest() {
        form_.show();
        for (int box = 1; box <= model::kBoxes; ++box)
            boxes_[box] = form_.findChild<ui::CheckBox*>(QStringLiteral("Check%1").arg(box));
        reset_ = form_.findChild<QPushButton*>(QStringLiteral("Command3"));
        answer_ = form_.findChild<QLabel*>(QStringLiteral("answer"));
    }

    void apply(const model::Step& step) override {
        switch (step.kind) {
            case model::Step::UserClick:
                QTest::mouseClick(boxes_[step.box], Qt::LeftButton, {}, QPoint(8, 12));
                break;
            case model::Step::Reset:
                QTest::mouseClick(reset_, Qt::LeftButton);
                break;
            case model::Step::CodeWrite:
                boxes_[step.box]->setValue(ui::CheckBox::Value(step.value));
                break;
        }
    }

    model::Snapshot snapshot() const override {
        model::Snapshot s;
        for (int box = 1; box <= model::kBoxes; ++box) {
            const ui::CheckBox* widget = boxes_[box];
            // What the box shows must agree with its Value: a mismatch reports a value no
            // model state has.
            const Qt::CheckState shown = widget->value() == 0   ? Qt::Unchecked
                                         : widget->value() == 1 ? Qt::Checked
                                                                : Qt::PartiallyChecked;
            s.values[box] = widget->checkState() == shown ? widget->value() : -100;
            s.enabled[box] = widget->isEnabled();
        }
        s.answer = answer_->text().toStdString();
        return s;
    }

private:
    ui::Form3 form_;
    std::array<ui::CheckBox*, model::kBoxes + 1> boxes_{};
    QPushButton* reset_ = nullptr;
    QLabel* answer_ = nullptr;
};

}  // namespace

class RandomWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::prepareApplication(*qApp); }

    void windowFollowsTheModelOverOneThousandSequences() {
        const model::SystemFactory fresh = [] { return std::make_unique<WindowUnderTest>(); };
        for (std::uint32_t seed = 1; seed <= 1000; ++seed) {
            const std::string failure = model::checkRandomSequence(seed, 40, fresh);
            QVERIFY2(failure.empty(), failure.c_str());
        }
    }
};

QTEST_MAIN(RandomWindowTest)
#include "random_window_test.moc"
