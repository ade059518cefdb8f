#include "presets/DateTimePick.h"
#include "Helpers.h"
#include "presets/Pickers.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

class DateTimePickTest : public ClockTest {
protected:
    TDateTimePickForm Dialog{nullptr};

    // Runs the dialog modally while `act` is performed on it from inside its loop.
    int RunWith(std::function<void()> act) {
        QTimer::singleShot(0, &Dialog, [this, act] {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
            act();
        });
        return Dialog.ShowModal();
    }
};

TEST_F(DateTimePickTest, BuiltAsDesigned) {
    EXPECT_EQ(Dialog.windowTitle(), "Choose Date/Time");
    EXPECT_EQ(Dialog.size(), QSize(281, 149));
    EXPECT_EQ(Dialog.DatePicker->geometry(), QRect(48, 51, 215, 22));
    EXPECT_EQ(Dialog.TimePicker->geometry(), QRect(48, 79, 215, 22));
    EXPECT_EQ(Dialog.OKButton->geometry(), QRect(56, 108, 75, 25));
    EXPECT_EQ(Dialog.CancelButton->geometry(), QRect(150, 108, 75, 25));
    EXPECT_EQ(Dialog.PresetsBox->geometry(), QRect(48, 8, 225, 22));
    EXPECT_EQ(Dialog.OKButton->text(), "&OK");
    EXPECT_EQ(Dialog.CancelButton->text(), "&Cancel");
    EXPECT_TRUE(Dialog.DatePicker->calendarPopup());
    EXPECT_EQ(Dialog.PresetsBox->count(), 1);
    EXPECT_EQ(Dialog.PresetsBox->currentText(), "Click to get dates...");
    EXPECT_FALSE(Dialog.PresetsLoaded);
    EXPECT_TRUE(Dialog.PresetDates.empty());
    EXPECT_EQ(Dialog.DatePicker->DateTime(), At(2002, 10, 10, 15, 26, 50));
    EXPECT_EQ(Dialog.TimePicker->DateTime(), At(2002, 10, 10, 19, 0, 0));
}

TEST_F(DateTimePickTest, OkAndEnterGiveOneCancelEscAndCloseGiveTwo) {
    EXPECT_EQ(RunWith([this] { Dialog.OKButton->click(); }), 1);
    EXPECT_EQ(RunWith([this] { QTest::keyClick(&Dialog, Qt::Key_Return); }), 1);
    EXPECT_EQ(RunWith([this] { Dialog.CancelButton->click(); }), 2);
    EXPECT_EQ(RunWith([this] { QTest::keyClick(&Dialog, Qt::Key_Escape); }), 2);
    EXPECT_EQ(RunWith([this] { Dialog.close(); }), 2);
}

TEST_F(DateTimePickTest, PickersKeepWhatTheUserLeftAfterCancel) {
    const TDateTime seeded = At(2027, 1, 2, 3, 4, 5, 678);
    Dialog.DatePicker->SetDateTime(seeded);
    Dialog.TimePicker->SetTime(seeded);
    RunWith([this] {
        // The user steps the day forward in the date picker, then cancels.
        Dialog.DatePicker->setFocus();
        Dialog.DatePicker->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(Dialog.DatePicker, Qt::Key_Up);
        Dialog.CancelButton->click();
    });
    EXPECT_DOUBLE_EQ(Dialog.DatePicker->DateTime(), seeded + 1);
    // The time of day survives the edit to the millisecond.
    EXPECT_EQ(platform::ToQDateTime(Dialog.DatePicker->DateTime()).time(), QTime(3, 4, 5, 678));
}

TEST_F(DateTimePickTest, TimePickerEditsOnlyTheTimeOfDay) {
    Dialog.TimePicker->SetDateTime(At(2002, 10, 10, 19, 0, 0));
    RunWith([this] {
        Dialog.TimePicker->setFocus();
        Dialog.TimePicker->setCurrentSection(QDateTimeEdit::HourSection);
        QTest::keyClick(Dialog.TimePicker, Qt::Key_Up);
        Dialog.OKButton->click();
    });
    EXPECT_DOUBLE_EQ(Dialog.TimePicker->DateTime(), At(2002, 10, 10, 20, 0, 0));
}

TEST_F(DateTimePickTest, PlaceholderChosenWithKeysChangesNoPicker) {
    const TDateTime date = Dialog.DatePicker->DateTime();
    const TDateTime time = Dialog.TimePicker->DateTime();
    Dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Dialog));
    Dialog.PresetsBox->setFocus();
    QTest::keyClick(Dialog.PresetsBox, Qt::Key_Down);
    QTest::keyClick(Dialog.PresetsBox, Qt::Key_Up);
    EXPECT_EQ(Dialog.DatePicker->DateTime(), date);
    EXPECT_EQ(Dialog.TimePicker->DateTime(), time);
    EXPECT_EQ(Dialog.PresetsBox->currentText(), "Click to get dates...");
    EXPECT_FALSE(Dialog.PresetsLoaded);
    Dialog.hide();
}
