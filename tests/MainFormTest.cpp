#include "Helpers.h"
#include "app/MainUnit.h"
#include "app/PaintBox.h"
#include "presets/DateTimePick.h"
#include "presets/Pickers.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <memory>

class MainFormTest : public ClockTest {
protected:
    std::unique_ptr<TMainForm> Make(const QStringList& args = {}) {
        return std::make_unique<TMainForm>(args);
    }
    static std::vector<int> Tags(const TMainForm& f) {
        return {f.DaysPaint->Tag, f.HoursPaint->Tag, f.MinutesPaint->Tag, f.SecondsPaint->Tag};
    }
    static std::vector<int> Paints(const TMainForm& f) {
        return {f.DaysPaint->PaintCount, f.HoursPaint->PaintCount, f.MinutesPaint->PaintCount,
                f.SecondsPaint->PaintCount};
    }
};

TEST(ClockNumber, CommandLineIsDecimalAndClamped) {
    EXPECT_EQ(ClockNumberFromArguments({}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"3"}), 3);
    EXPECT_EQ(ClockNumberFromArguments({"+3", "1"}), 3);
    EXPECT_EQ(ClockNumberFromArguments({"-2"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"abc"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"9"}), 4);
    EXPECT_EQ(ClockNumberFromArguments({"3x"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({" 3"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({"0x3"}), 0);
    EXPECT_EQ(ClockNumberFromArguments({""}), 0);
    // Beyond 32 bits the conversion fails, so clock 0 rather than clock 4.
    EXPECT_EQ(ClockNumberFromArguments({"99999999999"}), 0);
}

TEST_F(MainFormTest, StartsTheClockTheCommandLineNames) {
    for (const auto& [arg, clock] :
         std::vector<std::pair<QString, int>>{{"", 0}, {"3", 3}, {"-2", 0}, {"abc", 0}, {"9", 4}}) {
        auto form = Make(arg.isEmpty() ? QStringList{} : QStringList{arg});
        EXPECT_EQ(form->ClockIndex, clock) << arg.toStdString();
        EXPECT_EQ(form->ClockKey, QString::number(clock) + "\\");
        for (int i = 0; i < TMainForm::ClockCount; ++i) {
            EXPECT_EQ(form->ClockItem(i)->isChecked(), i == clock);
            EXPECT_EQ(form->ClockItem(i)->text(), QString("Clock %1").arg(i + 1));
        }
    }
}

TEST_F(MainFormTest, WindowIsTheDesignedBorderlessClock) {
    auto form = Make();
    EXPECT_EQ(form->windowTitle(), "Korvane5");
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->size(), QSize(250, 90));
    EXPECT_EQ(form->Back->geometry(), QRect(0, 0, 250, 90));
    EXPECT_EQ(form->DaysPaint->geometry(), QRect(78, 29, 66, 46));
    EXPECT_EQ(form->HoursPaint->geometry(), QRect(124, 29, 52, 46));
    EXPECT_EQ(form->MinutesPaint->geometry(), QRect(160, 29, 52, 46));
    EXPECT_EQ(form->SecondsPaint->geometry(), QRect(196, 29, 52, 46));
    EXPECT_EQ(form->font().family(), "Times New Roman");
    EXPECT_EQ(form->font().pixelSize(), 24);
    EXPECT_TRUE(form->font().bold());
    EXPECT_EQ(form->SecTimer->interval(), 1000);
    EXPECT_TRUE(form->SecTimer->isActive());
    EXPECT_EQ(form->RandomTimer->interval(), 300000);
    // Mouse events anywhere on the window reach the window itself.
    EXPECT_EQ(form->childAt(100, 50), nullptr);
    EXPECT_EQ(form->childAt(5, 5), nullptr);
}

TEST_F(MainFormTest, CountsDownToTheTarget) {
    auto form = Make();
    form->TargetDateTime = Now + 1 + 2 / 24.0 + 3 / 1440.0 + 4.6 * Second;
    form->SecTimerTimer();
    EXPECT_EQ(Tags(*form), (std::vector<int>{1, 2, 3, 4}));
    form->TargetDateTime = Now + 12345;
    form->SecTimerTimer();
    EXPECT_EQ(Tags(*form), (std::vector<int>{12345, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(form->RemainingTime, 12345);
}

TEST_F(MainFormTest, TargetEqualToNowShowsZeroWithoutRetake) {
    auto form = Make();
    const TDateTime picked = Now + 5;
    form->DateTimeDialog->DatePicker->SetDateTime(picked);
    form->DateTimeDialog->TimePicker->SetDateTime(picked);
    form->TargetDateTime = Now;
    form->SecTimerTimer();
    EXPECT_EQ(form->TargetDateTime, Now);
    EXPECT_EQ(Tags(*form), (std::vector<int>{0, 0, 0, 0}));
    // One millisecond later the target has passed: the pickers' moment is taken.
    Now += 0.001 * Second;
    form->SecTimerTimer();
    EXPECT_EQ(form->TargetDateTime, picked);
}

TEST_F(MainFormTest, NoTargetWithUntouchedPickersStandsAtZeroFollowingNow) {
    auto form = Make(); // no stored target: 0, a moment long past
    EXPECT_EQ(form->TargetDateTime, Now);
    EXPECT_EQ(Tags(*form), (std::vector<int>{0, 0, 0, 0}));
    Now += 1 * Second;
    form->SecTimerTimer();
    EXPECT_EQ(form->TargetDateTime, Now);
    EXPECT_EQ(form->RemainingTime, 0);
}

TEST_F(MainFormTest, PassedTargetTakesThePickersDateWithTheTimePickersTime) {
    auto form = Make();
    // What a cancelled dialog leaves behind: a later date in the date picker.
    form->DateTimeDialog->DatePicker->SetDateTime(At(2026, 3, 20, 1, 0, 0));
    form->DateTimeDialog->TimePicker->SetDateTime(At(2001, 1, 1, 8, 30, 0));
    form->TargetDateTime = Now + 10 * Second;
    form->SecTimerTimer();
    EXPECT_EQ(form->SecondsPaint->Tag, 10); // unchanged until the target is reached
    Now += 11 * Second;
    form->SecTimerTimer();
    EXPECT_EQ(form->TargetDateTime, At(2026, 3, 20, 8, 30, 0));
    EXPECT_EQ(form->DaysPaint->Tag, 5);
    EXPECT_EQ(form->HoursPaint->Tag, 22);
    EXPECT_EQ(form->MinutesPaint->Tag, 29);
    EXPECT_EQ(form->SecondsPaint->Tag, 49);
}

TEST_F(MainFormTest, OnlyChangedBoxesAreRepainted) {
    auto form = Make();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->TargetDateTime = Now + 3 + 4 / 24.0 + 5 / 1440.0 + 30 * Second;
    form->SecTimerTimer();
    const std::vector<int> before = Paints(*form);
    Now += 1 * Second;
    form->SecTimerTimer();
    std::vector<int> after = Paints(*form);
    EXPECT_EQ(after[3], before[3] + 1);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    // The minutes field overlaps the seconds field; it may be drawn again only where the
    // two overlap, never as a whole.
    if (after[2] != before[2]) {
        const QRect overlap =
            form->MinutesPaint->geometry().intersected(form->SecondsPaint->geometry());
        EXPECT_EQ(form->MinutesPaint->LastPaintRect.translated(form->MinutesPaint->pos()), overlap);
    }
    form->SecTimerTimer(); // nothing changed: nothing is drawn
    EXPECT_EQ(Paints(*form), after);
}

namespace {
// Columns and rows of the box that hold white pixels of the number.
QRect InkBounds(const QImage& image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) > 128)
                r |= QRect(x, y, 1, 1);
    return r;
}
// What the window shows over one box.
QImage Shot(TMainForm& form, QWidget* box) {
    return form.grab(box->geometry()).toImage();
}
} // namespace

TEST_F(MainFormTest, NumbersAreCentredAndCutAtTheBox) {
    auto form = Make();
    form->Back->Canvas().fill(Qt::black);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->SecondsPaint->Tag = 7;
    const QRect seven = InkBounds(Shot(*form, form->SecondsPaint));
    ASSERT_TRUE(seven.isValid());
    EXPECT_NEAR(seven.center().x(), 26, 2);
    EXPECT_NEAR(seven.center().y(), 23, 4);

    form->DaysPaint->Tag = 123456789;
    const QImage wide = Shot(*form, form->DaysPaint);
    const QRect ink = InkBounds(wide);
    EXPECT_EQ(ink.left(), 0);
    EXPECT_EQ(ink.right(), wide.width() - 1);
    // Nothing spills outside the box onto the window.
    const QImage window = form->grab(QRect(0, 29, 78, 46)).toImage();
    EXPECT_FALSE(InkBounds(window).isValid());
}

TEST_F(MainFormTest, NumbersHaveNoLeadingZeros) {
    auto form = Make();
    form->Back->Canvas().fill(Qt::black);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->MinutesPaint->Tag = 9;
    const QRect nine = InkBounds(Shot(*form, form->MinutesPaint));
    form->MinutesPaint->Tag = 99;
    const QRect twoDigits = InkBounds(Shot(*form, form->MinutesPaint));
    EXPECT_LT(nine.width() * 3, twoDigits.width() * 2);
}
