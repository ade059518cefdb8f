#pragma once
// The clock window: a borderless 250 x 90 window that counts down once a second to the
// active clock's target, drawn in four fields over the skin's background.

#include "platform/DateTime.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>

namespace Ui {
class TMainForm;
}
class TImage;
class TPaintBox;
class TDateTimePickForm;
class QAction;
class QMenu;
class QTimer;

// The clock number the command line asks for: the first argument as a decimal integer
// with an optional sign, clamped to 0..4; anything unreadable means clock 0.
int ClockNumberFromArguments(const QStringList& arguments);

class TMainForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClockCount = 5;

    // arguments: the command line without the program name.
    explicit TMainForm(const QStringList& arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Members built from the layout.
    TImage* Back;
    TPaintBox* DaysPaint;
    TPaintBox* HoursPaint;
    TPaintBox* MinutesPaint;
    TPaintBox* SecondsPaint;
    QMenu* PopupMenu;
    QMenu* SelectClock;
    QTimer* SecTimer;
    QTimer* RandomTimer;

    // Members the program adds.
    TDateTimePickForm* DateTimeDialog = nullptr;
    std::int32_t DragX = -1, DragY = -1;
    TDateTime TargetDateTime = 0;
    TDateTime RemainingTime = 0;
    QString ClockKey;
    std::int32_t ClockIndex = 0;

    QAction* ClockItem(int index) const;

    // Handlers. Those a user command reaches run under the shared error guard; called
    // directly (as at start-up) they let errors through to the caller.
    void ClockItemClick(QAction* item);
    void FormShow();
    void ExitClick();
    void ApplicationEvents1Deactivate();
    void SecTimerTimer();
    void TakePickedTarget(TDateTime now);
    void PaintTimePaint(TPaintBox* sender);
    void RandomTimerTimer();

    void LoadSettings();
    void SaveSettings();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildPopupMenu();
    void UpdateBox(TPaintBox* box, std::int32_t value);
    void CentreOnScreen();

    std::unique_ptr<Ui::TMainForm> ui;
    bool CentreOnShow = true; // placement: centred until a stored position moves it
    bool Shown = false;
    bool ApplicationActive = false;
};
