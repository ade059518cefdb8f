// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinChooserUnit.h"
#include "app/MainUnit.h"
#include "skins/Skin.h"
#include "store/Registry.h"
#include "support/SkinFixtures.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class SkinChooserUnitTest : public SkinFixture {
protected:
    void SetUp() override {
        SkinFixture::SetUp();
        MakeSkin("Default", Qt::darkBlue);
        MakeSkin("Alpha", Qt::darkRed);
        MakeSkin("Seasons/Summer", Qt::yellow);
        MakeSkin("Seasons/Winter/Snow", Qt::white);
        QDir().mkpath(Folder("Seasons/Winter/Empty"));
    }
    void Start(int clock = 0) {
        Form = std::make_unique<TMainForm>(QStringList{QString::number(clock)});
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    }
    void TearDown() override {
        Form.reset();
        SkinFixture::TearDown();
    }
    TSkinChooserForm& Chooser() { return *Form->SkinChooser; }
    QString Shown() const { return Form->font().family(); } // skins name their face
    TSkinNode* Node(const QString& path) {
        std::function<TSkinNode*(const std::vector<std::unique_ptr<TSkinNode>>&)> find =
            [&](const std::vector<std::unique_ptr<TSkinNode>>& level) -> TSkinNode* {
            for (const auto& n : level) {
                if (TSkinCatalogue::NodePath(n.get()) == path)
                    return n.get();
                if (TSkinNode* m = find(n->Children))
                    return m;
            }
            return nullptr;
        };
        return find(Chooser().Catalogue.Roots());
    }
    QTreeWidgetItem* Item(const QString& path) { return Chooser().ItemOf(Node(path)); }
    // Runs the chooser modally; act runs inside its loop.
    void WhileShown(const std::function<void()>& act) {
        QTimer::singleShot(0, &Chooser(), [this, act] {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&Chooser()));
            act();
            if (Chooser().isVisible())
                Chooser().reject();
        });
        Form->ChooseSkin1Click();
    }
    void ClickStateIcon(const QString& path) {
        QTreeWidget* tree = Chooser().TreeView;
        for (QTreeWidgetItem* p = Item(path)->parent(); p; p = p->parent())
            p->setExpanded(true);
        tree->scrollToItem(Item(path));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          Chooser().StateIconRect(Item(path)).center());
    }
    std::unique_ptr<TMainForm> Form;
};

TEST_F(SkinChooserUnitTest, BuiltAsDesignedAndSelectionRestsOnTheCurrentSkin) {
    Start();
    EXPECT_EQ(Chooser().windowTitle(), "Choose Skin");
    EXPECT_EQ(Chooser().size(), QSize(351, 248));
    EXPECT_EQ(Chooser().TreeView->geometry(), QRect(8, 8, 257, 233));
    EXPECT_EQ(Chooser().TreeView->indentation(), 19);
    EXPECT_EQ(Chooser().GetSkins->text(), "Get &Skins...");
    EXPECT_EQ(Chooser().ImageList.size(), 9);
    for (const QPixmap& image : Chooser().ImageList)
        EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(Shown(), Face("Default"));
    EXPECT_EQ(Chooser().TreeView->topLevelItemCount(), 0); // made when first needed
    QTreeWidgetItem* const item = Item("Default");
    EXPECT_EQ(Chooser().TreeView->currentItem(), item);
    EXPECT_FALSE(Chooser().isVisible());
}

TEST_F(SkinChooserUnitTest, SelectingShowsLiveAndCancelRestoresTheShownSkin) {
    Start();
    WhileShown([&] {
        Chooser().TreeView->setCurrentItem(Item("Alpha"));
        EXPECT_EQ(Shown(), Face("Alpha"));
        Chooser().TreeView->setCurrentItem(Item("Seasons\\Summer"));
        EXPECT_EQ(Shown(), Face("Seasons/Summer"));
        Chooser().CancelButton->click();
    });
    EXPECT_EQ(Shown(), Face("Default"));
    EXPECT_EQ(Chooser().Catalogue.CurrentNode, Node("Default"));
}

TEST_F(SkinChooserUnitTest, OkOnACategoryKeepsTheSkinAndReselectsTheCurrentEntry) {
    Start();
    WhileShown([&] {
        Chooser().TreeView->setCurrentItem(Item("Alpha"));
        Chooser().TreeView->setCurrentItem(Item("Seasons"));
        QTest::keyClick(Chooser().TreeView, Qt::Key_Return); // Enter is OK
    });
    EXPECT_EQ(Shown(), Face("Alpha"));
    EXPECT_EQ(Chooser().TreeView->currentItem(), Item("Alpha"));
    store::TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\0\\Skins\\"));
    EXPECT_EQ(reg.ReadString("Current"), "Alpha"); // stored when the dialog closed
}

TEST_F(SkinChooserUnitTest, RandomEntryAndOkShowARotationSkinAndTheTimerGoesOn) {
    Start();
    WhileShown([&] {
        ClickStateIcon("Seasons\\Summer");
        ClickStateIcon("Alpha");
        Chooser().TreeView->setCurrentItem(Item("* RANDOM *"));
        EXPECT_EQ(Shown(), Face("Alpha")); // the random entry itself shows nothing new
        Chooser().OKButton->click();
    });
    EXPECT_TRUE(Chooser().Catalogue.CurrentNode->IsRandom());
    const QStringList rotation{Face("Alpha"), Face("Seasons/Summer")};
    EXPECT_TRUE(rotation.contains(Shown())) << Shown().toStdString();
    for (std::uint32_t seed = 0; seed < 8; ++seed) {
        platform::SetMillisecondCounter([seed] { return seed; });
        Form->RandomTimerTimer();
        EXPECT_TRUE(rotation.contains(Shown()));
    }
    store::TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\0\\Skins\\"));
    EXPECT_EQ(reg.ReadString("Current"), "* RANDOM *");
}

TEST_F(SkinChooserUnitTest, RandomTimerChangesNothingWhileASkinIsCurrent) {
    Start();
    Chooser().Catalogue.ToggleRotation(Node("Alpha"));
    Form->RandomTimerTimer();
    EXPECT_EQ(Shown(), Face("Default"));
}

TEST_F(SkinChooserUnitTest, AClosedChooserGivesBackItsWindowAndOpensAsBefore) {
    Start();
    for (int i = 0; i < 2; ++i) {
        WhileShown([&] {
            EXPECT_NE(Chooser().windowHandle(), nullptr);
            EXPECT_EQ(Chooser().TreeView->currentItem(), Item("Default"));
        });
        QTest::qWait(0);
        EXPECT_EQ(Chooser().windowHandle(), nullptr);
    }
}

TEST_F(SkinChooserUnitTest, EscWithTheRandomEntryCurrentStillPicksANewSkin) {
    Start();
    Chooser().Catalogue.ToggleRotation(Node("Alpha"));
    Chooser().TreeView->setCurrentItem(Item("* RANDOM *"));
    Form->ApplySkin([&] {
        auto s = std::make_unique<TSkin>();
        EXPECT_TRUE(s->LoadFromFolder(Folder("Default")));
        return s;
    }());
    WhileShown([&] { QTest::keyClick(Chooser().TreeView, Qt::Key_Escape); });
    EXPECT_EQ(Shown(), Face("Alpha"));
}

TEST_F(SkinChooserUnitTest, StateIconsToggleRotation) {
    Start();
    WhileShown([&] {
        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Alpha")), 6);
        ClickStateIcon("Alpha");
        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Alpha")), 5);
        ClickStateIcon("Alpha");
        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Alpha")), 6);

        // The empty skin turns broken when tried; its own mark then does nothing.
        Chooser().TreeView->setCurrentItem(Item("Seasons\\Winter\\Empty"));
        EXPECT_EQ(TSkinChooserForm::SelectedIconOf(Node("Seasons\\Winter\\Empty")), 4);
        EXPECT_EQ(Shown(), Face("Alpha")); // the press on Alpha's mark also selected it
        Chooser().TreeView->setCurrentItem(Item("Default"));
        ClickStateIcon("Seasons\\Winter\\Empty");
        EXPECT_FALSE(Node("Seasons\\Winter\\Empty")->InRotation);

        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Seasons")), 8);
        ClickStateIcon("Seasons");
        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Seasons")), 7);
        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Seasons\\Winter")), 7);
        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Seasons\\Summer")), 5);
        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Seasons\\Winter\\Snow")), 5);
        EXPECT_TRUE(Node("Seasons\\Winter\\Empty")->InRotation); // its category put it back
        EXPECT_EQ(TSkinChooserForm::StateIconOf(Node("Seasons\\Winter\\Empty")), 5);
        EXPECT_EQ(TSkinChooserForm::IconOf(Node("Seasons\\Winter\\Empty")), 4);
        // A press beside the state icon toggles nothing.
        const QRect r = Chooser().TreeView->visualItemRect(Item("Alpha"));
        QTest::mouseClick(Chooser().TreeView->viewport(), Qt::LeftButton, {},
                          QPoint(r.left() + 40, r.center().y()));
        EXPECT_FALSE(Node("Alpha")->InRotation);
        EXPECT_EQ(Shown(), Face("Alpha")); // but it selects, as a click does
        Chooser().OKButton->click();
    });
    store::TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\0\\Skins\\Random\\"));
    EXPECT_EQ(reg.GetValueNames().size(), 3);
}

TEST_F(SkinChooserUnitTest, RefreshFindsANewSkinFolder) {
    Start();
    WhileShown([&] {
        MakeSkin("Beta", Qt::green);
        Chooser().RefreshButton->click();
        ASSERT_NE(Node("Beta"), nullptr);
        EXPECT_EQ(Chooser().TreeView->topLevelItem(2), Item("Beta")); // sorted into place
        EXPECT_EQ(Shown(), Face("Default"));
        EXPECT_TRUE(Chooser().isVisible());
        Chooser().CancelButton->click(); // nothing to return to after a Refresh
    });
    EXPECT_EQ(Shown(), Face("Default"));
}

TEST_F(SkinChooserUnitTest, GetSkinsOpensTheSkinsPageAndKeepsTheTriedSkin) {
    Start();
    WhileShown([&] {
        Chooser().TreeView->setCurrentItem(Item("Alpha"));
        Chooser().GetSkins->click();
        EXPECT_FALSE(Chooser().isVisible());
    });
    EXPECT_EQ(OpenedUrls, QStringList{"http://www.korvane5.example/korvane5/skins.cfm"});
    EXPECT_EQ(Shown(), Face("Alpha"));
}

TEST_F(SkinChooserUnitTest, OnTopClockOpensTheChooserOnTop) {
    Start();
    Form->AlwaysOnTopClick();
    WhileShown([&] { EXPECT_TRUE(Chooser().windowFlags() & Qt::WindowStaysOnTopHint); });
}

TEST_F(SkinChooserUnitTest, SwitchingClocksWritesTheOldSkinSettingsFirst) {
    {
        store::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("Software\\Korvane5\\1\\Skins\\", true));
        reg.WriteString("Current", "Seasons\\Summer");
    }
    Start(0);
    Chooser().TreeView->setCurrentItem(Item("Alpha"));
    Form->ClockItem(1)->trigger();
    EXPECT_EQ(Shown(), Face("Seasons/Summer"));
    store::TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\0\\Skins\\"));
    EXPECT_EQ(reg.ReadString("Current"), "Alpha");
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Korvane5\\1\\Skins\\"));
    EXPECT_EQ(reg.ReadString("Current"), "Seasons\\Summer");
}

TEST_F(SkinChooserUnitTest, ABrokenStoredSkinStillLetsTheClockStart) {
    WriteFile("Default/Back.bmp", QByteArray("BM broken"));
    Start();
    EXPECT_TRUE(Errors.isEmpty());
    EXPECT_EQ(Shown(), Face("Alpha")); // the next loadable skin
}
