// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog in which the user picks a clock's target: a date picker, a time picker and
// the "Preset:" list of coming events. It never changes the target itself: the owner
// seeds the pickers before showing it and reads them back after OK.

#include "common/DateTime.h"

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class TDateTimePickForm;
}
class TDateTimePicker;
class TComboBox;
class QLabel;
class QPushButton;
class QFrame;
class THttpClient;
class TAntiFreeze;

class TDateTimePickForm : public QDialog {
    Q_OBJECT
public:
    explicit TDateTimePickForm(QWidget* owner);
    ~TDateTimePickForm() override;

    // What the date and the time picker hold at construction, both moments in the past:
    // they count only if the owner reads the pickers before it has ever seeded them.
    static TDateTime InitialDate();
    static TDateTime InitialTime();
    // The moment the dialog's pickers hold, the time picker's time on the date picker's
    // date; without a dialog, what its pickers would hold when made.
    static TDateTime Picked(TDateTimePickForm* dialog);

    // Modal run: 1 for OK, 2 for Cancel, Esc or the close box.
    int ShowModal();
    // The pickers set to a moment before the dialog shows; onTop as its owner.
    void Seed(TDateTime moment, bool onTop);
    void SetStayOnTop(bool onTop);

    void PresetsBoxDropDown();
    void PresetsBoxChange();
    // Fills the list from a preset document; false when the document is not recognised.
    bool LoadPresets(const std::string& text);
    // Ends a fetch under way (the program is closing); it fails like a lost connection.
    void AbortFetch();

    TDateTimePicker* DatePicker;
    QLabel* Label1;
    QLabel* Label2;
    TDateTimePicker* TimePicker;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QFrame* Bevel1;
    QLabel* Label3;
    TComboBox* PresetsBox;

    bool PresetsLoaded = false;
    std::vector<TDateTime> PresetDates;
    std::unique_ptr<THttpClient> HTTP;
    std::unique_ptr<TAntiFreeze> AntiFreeze;

    void done(int result) override;

private:
    void ShowSingleItem(const QString& text);

    std::unique_ptr<Ui::TDateTimePickForm> ui;
};
