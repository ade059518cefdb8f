// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/DateTimePick.h"
#include "app/MainUnit.h"
#include "presets/AntiFreeze.h"
#include "presets/HttpClient.h"
#include "presets/Pickers.h"
#include "support/ClockTest.h"
#include "support/LoopbackServer.h"
#include "widgets/PaintBox.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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
    EXPECT_EQ(common::ToQDateTime(Dialog.DatePicker->DateTime()).time(), QTime(3, 4, 5, 678));
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

namespace {

const std::string Document = "<korvane5xml version=\"1\">"
                             "<item datetime=\"2026-12-24 18:00:00\">Winter party</item>"
                             "<item datetime=\"2026-07-01 09:30:00\">Away day</item>"
                             "<item datetime=\"2026-01-01 00:00:00\">Passed</item>"
                             "</korvane5xml>";

// Answers every connection with the reply the script gives for the connection's number.
TLoopbackServer::TScript Serve(std::function<std::string(int)> reply) {
    auto count = std::make_shared<int>(0);
    return [reply, count](TPeer& peer) {
        if (peer.ReadRequest())
            peer.Send(reply((*count)++));
    };
}

// Accepts, reads the request and never answers.
void Mute(TPeer& peer) {
    if (peer.ReadRequest())
        peer.WaitForClose();
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

// Points the site at a test server for the life of the fixture.
class DateTimePickTest_Site : public ClockTest {
protected:
    void TearDown() override {
        qunsetenv("KORVANE5_HOST");
        ClockTest::TearDown();
    }
    void UseHost(const std::string& host) { qputenv("KORVANE5_HOST", host.c_str()); }
};

class DateTimePickTest_PresetFetch : public DateTimePickTest_Site {
protected:
    void SetUp() override {
        DateTimePickTest_Site::SetUp();
        Dialog = std::make_unique<TDateTimePickForm>(nullptr);
    }
    void TearDown() override {
        Dialog.reset();
        DateTimePickTest_Site::TearDown();
    }
    void Open() { Dialog->PresetsBox->showPopup(); }
    QComboBox* Box() const { return Dialog->PresetsBox; }

    std::unique_ptr<TDateTimePickForm> Dialog;
};

TEST_F(DateTimePickTest_PresetFetch, FirstOpeningShowsConnectingThenTheSortedPresetsOnce) {
    TLoopbackServer server(
        Serve([](int) { return Response("200 OK", "\r\n  " + Document + "\n"); }));
    UseHost(server.HostPort());
    QStringList shownWhileWaiting;
    Dialog->AntiFreeze->OnProcess = [&] { shownWhileWaiting << Items(Box()).join('|'); };

    Dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Dialog.get()));
    Open();
    ASSERT_FALSE(shownWhileWaiting.isEmpty());
    EXPECT_EQ(shownWhileWaiting.front(), "Connecting...");
    EXPECT_TRUE(Dialog->PresetsLoaded);
    EXPECT_EQ(Items(Box()), (QStringList{"Away day", "Winter party"}));
    EXPECT_EQ(Box()->currentIndex(), -1) << "nothing is selected";
    EXPECT_EQ(Dialog->PresetDates,
              (std::vector<TDateTime>{At(2026, 7, 1, 9, 30), At(2026, 12, 24, 18)}));
    EXPECT_TRUE(Box()->view()->isVisible()) << "the list opens once the fetch is done";
    Box()->hidePopup();
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0].substr(0, 42), "GET /korvane5/korvane5dates.xml HTTP/1.1\r\n");

    // Opening again, in this showing or a later one, fetches nothing.
    Open();
    Dialog->hide();
    Dialog->show();
    Open();
    Box()->hidePopup();
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(Box()->count(), 2);
}

TEST_F(DateTimePickTest_PresetFetch, EachFailureShowsItsTextAndTheNextOpeningTriesAgain) {
    TLoopbackServer server(Serve([](int n) {
        switch (n) {
        case 0:
            return Response("404 Not Found", "<html/>");
        case 1:
            return Response("200 OK", " \r\n\t \r\n");
        case 2:
            return Response("302 Found", "", "Location: http://elsewhere/\r\n");
        default:
            return Response("200 OK", Document);
        }
    }));
    UseHost(server.HostPort());
    Dialog->DatePicker->SetDateTime(At(2030, 1, 1, 1));
    Dialog->TimePicker->SetDateTime(At(2030, 1, 1, 2));

    for (const char* text :
         {"Error downloading!", "Unrecognized response format!", "Error downloading!"}) {
        Open();
        EXPECT_EQ(Items(Box()), QStringList{text});
        EXPECT_EQ(Box()->currentIndex(), 0);
        EXPECT_FALSE(Dialog->PresetsLoaded);
        EXPECT_TRUE(Dialog->PresetDates.empty());
        // Choosing the failure text changes neither picker.
        emit Box()->activated(0);
        EXPECT_EQ(Dialog->DatePicker->DateTime(), At(2030, 1, 1, 1));
        EXPECT_EQ(Dialog->TimePicker->DateTime(), At(2030, 1, 1, 2));
    }
    Open();
    EXPECT_TRUE(Dialog->PresetsLoaded);
    EXPECT_EQ(server.Requests().size(), 4u) << "the redirect was not followed";

    // A name that cannot be looked up is a connecting failure. A label longer than 63
    // characters fails inside the resolver, so no query leaves the machine.
    Dialog.reset();
    Dialog = std::make_unique<TDateTimePickForm>(nullptr);
    qputenv("RES_OPTIONS", "timeout:1 attempts:1");
    UseHost(std::string(64, 'a') + ".invalid");
    Open();
    EXPECT_EQ(Items(Box()), QStringList{"Error connecting!"});
}

TEST_F(DateTimePickTest_PresetFetch, AllPastDocumentIsAnEmptySuccessFetchedOnce) {
    TLoopbackServer server(Serve([](int) {
        return Response("200 OK", "<korvane5xml version=\"1\"><item datetime=\"2001-01-01\">"
                                  "Old</item></korvane5xml>");
    }));
    UseHost(server.HostPort());
    Open();
    Open();
    EXPECT_TRUE(Dialog->PresetsLoaded);
    EXPECT_EQ(Box()->count(), 0);
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST_F(DateTimePickTest_PresetFetch, OpeningAgainWhileAFetchWaitsIsIgnored) {
    TLoopbackServer server(Serve([](int) { return Response("200 OK", Document); }));
    UseHost(server.HostPort());
    int reentered = 0;
    Dialog->AntiFreeze->OnProcess = [&] {
        if (reentered++ < 3)
            Open();
    };
    Open();
    EXPECT_TRUE(Dialog->PresetsLoaded);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(Box()->count(), 2);
}

TEST_F(DateTimePickTest_PresetFetch, SilentServerKeepsConnectingUntilTheDialogCloses) {
    TLoopbackServer server(Mute);
    UseHost(server.HostPort());
    int pumped = 0;
    QStringList shown;
    QElapsedTimer clock;
    Dialog->AntiFreeze->OnProcess = [&] {
        shown << Box()->currentText();
        if (++pumped == 6) {
            clock.start();
            Dialog->CancelButton->click();
        }
    };
    QTimer::singleShot(0, Dialog.get(), [this] { Open(); });
    EXPECT_EQ(Dialog->ShowModal(), 2);
    EXPECT_LT(clock.elapsed(), 1000) << "the fetch ends promptly when the dialog closes";
    EXPECT_EQ(shown.count("Connecting..."), 6);
    EXPECT_EQ(Items(Box()), QStringList{"Error downloading!"});
    EXPECT_FALSE(Dialog->HTTP->Busy());
}

TEST_F(DateTimePickTest_PresetFetch, ARealWebServerServesTheSampleDocument) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("korvane5"));
    ASSERT_TRUE(QFile::copy(KORVANE5_SOURCE_DIR "/presets/sample/korvane5dates.xml",
                            root.filePath("korvane5/korvane5dates.xml")));
    QProcess server;
    server.setProcessChannelMode(QProcess::MergedChannels);
    server.start("python3", {"-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory",
                             root.path()});
    ASSERT_TRUE(server.waitForStarted());
    QString port;
    QString output;
    for (int i = 0; i < 50 && port.isEmpty(); ++i) {
        server.waitForReadyRead(100);
        output += QString::fromUtf8(server.readAll());
        port = QRegularExpression("port (\\d+)").match(output).captured(1);
    }
    ASSERT_FALSE(port.isEmpty()) << output.toStdString();
    UseHost("127.0.0.1:" + port.toStdString());
    Open();
    server.kill();
    server.waitForFinished();
    EXPECT_TRUE(Dialog->PresetsLoaded);
    EXPECT_EQ(Items(Box()), (QStringList{"Christmas Eve 2027", "Halloween 2027", "Midsummer 2027",
                                         "New Year 2027", "New Year 2028"}));
    EXPECT_EQ(Dialog->PresetDates[0], At(2027, 12, 24, 18));
}

// The preset choice as the clock window's owner sees it.
class DateTimePickTest_PresetOwner : public DateTimePickTest_Site {
protected:
    void SetUp() override {
        DateTimePickTest_Site::SetUp();
        Form = std::make_unique<TMainForm>(QStringList{});
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }
    void TearDown() override {
        Form.reset();
        DateTimePickTest_Site::TearDown();
    }
    TDateTimePickForm* Dialog() const { return Form->EnsureDateTimeDialog(); }
    void Choose(int index) {
        Dialog()->PresetsBox->setCurrentIndex(index);
        emit Dialog()->PresetsBox->activated(index);
    }
    std::unique_ptr<TMainForm> Form;
};

TEST_F(DateTimePickTest_PresetOwner, ChoosingAPresetSetsBothPickersAndOkTakesItsMoment) {
    Form->TargetDateTime = Now + 1;
    QTimer::singleShot(0, Form.get(), [this] {
        ASSERT_TRUE(Dialog()->LoadPresets(Document));
        Choose(1); // "Winter party"
        EXPECT_EQ(Dialog()->DatePicker->DateTime(), At(2026, 12, 24, 18));
        EXPECT_EQ(Dialog()->TimePicker->DateTime(), At(2026, 12, 24, 18));
        Dialog()->OKButton->click();
    });
    Form->ChooseDateTimeClick();
    EXPECT_EQ(Form->TargetDateTime, At(2026, 12, 24, 18));

    // A preset, then only the time changed: the preset's date with the new time.
    QTimer::singleShot(0, Form.get(), [this] {
        EXPECT_EQ(Dialog()->PresetsBox->currentIndex(), 1) << "the list keeps its choice";
        Choose(0); // "Away day"
        Dialog()->TimePicker->SetTime(At(2000, 1, 1, 17, 45));
        Dialog()->OKButton->click();
    });
    Form->ChooseDateTimeClick();
    EXPECT_EQ(Form->TargetDateTime, At(2026, 7, 1, 17, 45));

    // Cancel after a choice leaves the target; the next showing shows the target again.
    QTimer::singleShot(0, Form.get(), [this] {
        Choose(1);
        Dialog()->CancelButton->click();
    });
    Form->ChooseDateTimeClick();
    EXPECT_EQ(Form->TargetDateTime, At(2026, 7, 1, 17, 45));
    TDateTime seeded = 0;
    QTimer::singleShot(0, Form.get(), [&] {
        seeded = Dialog()->DatePicker->DateTime();
        EXPECT_EQ(Dialog()->PresetsBox->currentText(), "Winter party");
        Dialog()->CancelButton->click();
    });
    Form->ChooseDateTimeClick();
    EXPECT_EQ(seeded, At(2026, 7, 1, 17, 45));
}

TEST_F(DateTimePickTest_PresetOwner, CountdownRunsDuringAFetchAndClosingTheClockEndsItPromptly) {
    TLoopbackServer server(Mute);
    UseHost(server.HostPort());
    Form->TargetDateTime = Now + 1;
    int pumped = 0;
    QElapsedTimer clock;
    Dialog()->AntiFreeze->OnProcess = [&] {
        // The clock moves on while the fetch waits, and the window counts it down.
        Now += Second;
        if (++pumped == 8) {
            clock.start();
            Form->close();
        }
    };
    const int paintsBefore = Form->SecondsPaint->PaintCount;
    // As in the program, the dialog runs inside the application's own loop, which
    // closing the clock ends (for real: QApplication::exec makes the next loop start anew).
    platform::SetApplicationQuitter({});
    QTimer::singleShot(0, Form.get(), [this] {
        QTimer::singleShot(0, Form.get(), [this] { Dialog()->PresetsBox->showPopup(); });
        Form->ChooseDateTimeClick();
    });
    QApplication::exec();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_GT(Form->SecondsPaint->PaintCount, paintsBefore);
    EXPECT_EQ(Form->DaysPaint->Tag, 0);
    EXPECT_EQ(Form->HoursPaint->Tag, 23);
    EXPECT_FALSE(Dialog()->HTTP->Busy());
}

TEST(DateTimePickTest_TimeFormat, TheZoneGoesFromEitherEnd) {
    const QString narrow = QString::fromUtf8("\u202f"); // not a space to the old pattern
    const std::vector<std::pair<QString, QString>> rows = {
        {"HH:mm:ss t", "HH:mm:ss"},
        {"h:mm:ss AP tttt ", "h:mm:ss AP"},
        {"t HH:mm:ss", "HH:mm:ss"},
        {" tt  HH:mm:ss t", "HH:mm:ss"},
        {"HH:mm:ss", "HH:mm:ss"},
        {"HH 'at' mm", "HH 'at' mm"},
        {"t", ""},
        {"", ""},
        {"h:mm:ss" + narrow + "AP" + narrow + "t", "h:mm:ss" + narrow + "AP" + narrow}};
    for (const auto& [format, shown] : rows)
        EXPECT_EQ(WithoutTimeZone(format), shown) << format.toStdString();
}
