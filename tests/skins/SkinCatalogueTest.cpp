// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinCatalogue.h"
#include "skins/Skin.h"
#include "store/ClockSettings.h"
#include "store/Registry.h"
#include "support/SkinFixtures.h"

#include <QFile>
#include <functional>
#include <unistd.h>

namespace {

// Records what the catalogue shows and applies, in order.
class Recorder : public ISkinTarget, public ICatalogueView {
public:
    TSkinCatalogue* Catalogue = nullptr;
    QStringList Events;
    QStringList Applied; // face names of the applied skins
    TSkinNode* Selected = nullptr;

    void ApplySkin(std::unique_ptr<TSkin> skin) override {
        Applied << skin->FontName;
        Events << "apply " + skin->FontName;
    }
    void CatalogueCleared() override { Selected = nullptr; }
    void NodeChanged(TSkinNode*) override {}
    void CatalogueFilled() override { Events << "filled"; }
    void SelectNode(TSkinNode* node) override {
        if (node == Selected)
            return;
        Selected = node;
        Catalogue->SelectionChanging(node); // as a tree view reports a selection
    }
    void FocusTree() override {}
    void ShowSearchError() override { Events << "error"; }
};

} // namespace

class SkinCatalogueTest : public SkinFixture {
protected:
    TSkinCatalogue& Fill(int clock = 0) {
        Catalogue = std::make_unique<TSkinCatalogue>(
            &View, &View, std::make_shared<store::TClockSettings>(clock), "Default",
            QStringList{SkinsRoot() + "/", UserRoot() + "/"});
        View.Catalogue = Catalogue.get();
        Catalogue->FillTree();
        return *Catalogue;
    }
    void StoreSkins(const QString& current, const QStringList& rotation, int clock = 0) {
        store::TRegistry reg;
        const QString key = QStringLiteral("Software\\Korvane5\\%1\\Skins\\").arg(clock);
        ASSERT_TRUE(reg.OpenKey(key, true));
        if (!current.isNull())
            reg.WriteString("Current", current);
        ASSERT_TRUE(reg.OpenKey(key + "Random\\", true));
        for (const QString& name : rotation)
            reg.WriteString(name, "");
    }
    QString StoredCurrent(int clock = 0) {
        store::TRegistry reg;
        if (!reg.OpenKeyReadOnly(QStringLiteral("Software\\Korvane5\\%1\\Skins\\").arg(clock)))
            return "<none>";
        return reg.ValueExists("Current") ? reg.ReadString("Current") : "<none>";
    }
    QStringList StoredRotation(int clock = 0) {
        store::TRegistry reg;
        if (!reg.OpenKeyReadOnly(
                QStringLiteral("Software\\Korvane5\\%1\\Skins\\Random\\").arg(clock)))
            return {};
        return reg.GetValueNames();
    }
    static QStringList Captions(const std::vector<std::unique_ptr<TSkinNode>>& level) {
        QStringList out;
        for (const auto& n : level)
            out << n->Caption;
        return out;
    }
    TSkinNode* Find(const QString& path) {
        for (const auto& root : Catalogue->Roots())
            if (TSkinNode* n = FindIn(root.get(), path))
                return n;
        return nullptr;
    }
    static TSkinNode* FindIn(TSkinNode* node, const QString& path) {
        if (TSkinCatalogue::NodePath(node) == path)
            return node;
        for (const auto& c : node->Children)
            if (TSkinNode* n = FindIn(c.get(), path))
                return n;
        return nullptr;
    }

    Recorder View;
    std::unique_ptr<TSkinCatalogue> Catalogue;
};

TEST_F(SkinCatalogueTest, FreshInstallShowsDefault) {
    MakeSkin("Alpha");
    MakeSkin("Default");
    TSkinCatalogue& c = Fill();
    ASSERT_TRUE(c.CurrentNode);
    EXPECT_EQ(c.CurrentNode->Caption, "Default");
    EXPECT_EQ(View.Applied, QStringList{Face("Default")});
    EXPECT_EQ(View.Selected, c.CurrentNode);
    c.WriteSkinSettings();
    EXPECT_EQ(StoredCurrent(), "Default");
}

TEST_F(SkinCatalogueTest, StoredSkinInACategoryIsShownDuringTheScan) {
    MakeSkin("Default");
    MakeSkin("Holidays/Snow");
    MakeSkin("Holidays/Sun");
    StoreSkins("Holidays\\Snow", {});
    TSkinCatalogue& c = Fill();
    ASSERT_TRUE(c.CurrentNode);
    EXPECT_EQ(TSkinCatalogue::NodePath(c.CurrentNode), "Holidays\\Snow");
    EXPECT_EQ(View.Events, (QStringList{"apply " + Face("Holidays/Snow"), "filled"}));
}

TEST_F(SkinCatalogueTest, RandomWithAnEmptyRotationEndsInTheFirstSkin) {
    MakeSkin("b");
    MakeSkin("A");
    StoreSkins("* RANDOM *", {});
    TSkinCatalogue& c = Fill();
    ASSERT_TRUE(c.CurrentNode);
    EXPECT_EQ(c.CurrentNode->Caption, "A");
    c.WriteSkinSettings();
    EXPECT_EQ(StoredCurrent(), "A");
}

TEST_F(SkinCatalogueTest, RandomPicksSkipASkinThatLostItsPicture) {
    MakeSkin("A");
    MakeSkin("B");
    MakeSkin("C");
    StoreSkins("* RANDOM *", {"A", "B", "C"});
    QFile::remove(Folder("B/Back.bmp"));
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        platform::SetMillisecondCounter([seed] { return seed; });
        View.Applied.clear();
        TSkinCatalogue& c = Fill();
        ASSERT_TRUE(c.CurrentNode && c.CurrentNode->IsRandom());
        ASSERT_FALSE(View.Applied.isEmpty());
        EXPECT_NE(View.Applied.last(), Face("B"));
        const TSkinNode* b = Find("B");
        EXPECT_EQ(b->Broken, View.Applied.size() > 1 || b->Broken);
        EXPECT_FALSE(b->InRotation && b->Broken);
        for (const TSkinNode* n : c.RotationNodes)
            EXPECT_FALSE(n->Broken);
    }
}

TEST_F(SkinCatalogueTest, RandomValueSelectsByRemainder) {
    // The seed whose first value is 32767: 32767 mod 3 = 1, the second of A, B, C.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        TSkinRandom r;
        r.Seed(seed);
        if (r.Next() == 32767)
            break;
    }
    MakeSkin("A");
    MakeSkin("B");
    MakeSkin("C");
    StoreSkins("* RANDOM *", {"A", "B", "C"});
    platform::SetMillisecondCounter([seed] { return seed; });
    TSkinCatalogue& c = Fill();
    ASSERT_EQ(c.RotationNodes.size(), 3u); // in the order the scan found them
    EXPECT_EQ(View.Applied.last(), Face(c.RotationNodes[1]->Caption));
}

TEST_F(SkinCatalogueTest, GeneratorSteps) {
    TSkinRandom r;
    r.Seed(1);
    // state 1 -> 22695478 (advance at seeding) -> 22695478 * 22695477 + 1 mod 2^32.
    const std::uint32_t s2 = 22695478u * 22695477u + 1u;
    EXPECT_EQ(r.Next(), int((s2 >> 16) & 0x7fff));
}

TEST_F(SkinCatalogueTest, CategoriesOwnFilesAreNeverUsedAndEmptyFoldersBreak) {
    MakeSkin("Cat/Inner");
    MakeSkin("Cat"); // a picture and settings of its own, which never count
    QDir().mkpath(Folder("Empty"));
    TSkinCatalogue& c = Fill();
    TSkinNode* cat = Find("Cat");
    ASSERT_TRUE(cat);
    EXPECT_TRUE(cat->IsCategory());
    TSkinNode* empty = Find("Empty");
    ASSERT_TRUE(empty && empty->IsSkin());
    EXPECT_TRUE(empty->Broken); // tried first in tree order
    EXPECT_EQ(TSkinCatalogue::NodePath(c.CurrentNode), "Cat\\Inner");
    EXPECT_FALSE(View.Applied.contains(Face("Cat")));
    EXPECT_FALSE(c.ActivateNode(cat, false));
}

TEST_F(SkinCatalogueTest, HiddenFoldersAreLeftOut) {
    MakeSkin("Default");
    MakeSkin(".hidden");
    Fill();
    EXPECT_EQ(Captions(Catalogue->Roots()), (QStringList{"* RANDOM *", "Default"}));
}

TEST_F(SkinCatalogueTest, RotationNamesIgnoreCaseButCurrentDoesNot) {
    MakeSkin("Alpha");
    MakeSkin("Beta");
    StoreSkins("beta", {"ALPHA"});
    TSkinCatalogue& c = Fill();
    EXPECT_TRUE(Find("Alpha")->InRotation);
    ASSERT_EQ(c.RotationNodes.size(), 1u);
    EXPECT_EQ(c.CurrentNode->Caption, "Alpha"); // "beta" matched nothing: first skin
}

TEST_F(SkinCatalogueTest, LevelsListSkinsThenCategoriesAlphabetically) {
    MakeSkin("b");
    MakeSkin("A");
    MakeSkin("Z/z1");
    MakeSkin("C/c2");
    MakeSkin("C/C1");
    Fill();
    EXPECT_EQ(Captions(Catalogue->Roots()), (QStringList{"* RANDOM *", "A", "b", "C", "Z"}));
    EXPECT_EQ(Captions(Find("C")->Children), (QStringList{"C1", "c2"}));
}

// The scan sorts by keys made once per caption; the order must be the one the comparison of
// two entries gives, in the C locale and in languages with their own rules.
TEST(SkinCatalogueTest_Order, SortingByKeysKeepsTheOrderOfTheComparison) {
    const QStringList captions = {
        "b",        "B", "a",   "Ä",      "ä",       "z",       "Z1",  "z10",  "z2",
        "é",        "e", "E",   "Straße", "STRASSE", "strasse", "ﬁle", "file", "İstanbul",
        "istanbul", "ǅ", "ǆ",   "Å",      "aa",      "ö",       "o",   "Ø",    "😀",
        "ｱ",        "",  "a b", "a-b",    "ab",      "Ab",      "1",   "10",   "9"};
    const QLocale saved;
    for (const char* name : {"C", "en_US", "de_DE", "sv_SE", "tr_TR", "da_DK"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        std::vector<std::unique_ptr<TSkinNode>> keyed, compared;
        for (const QString& caption : captions)
            for (auto* level : {&keyed, &compared}) {
                auto node = std::make_unique<TSkinNode>();
                node->Caption = caption;
                // Every third one a category with a child, so the ranks mix with the names.
                if (level->size() % 3 == 0)
                    node->Children.push_back(std::make_unique<TSkinNode>());
                level->push_back(std::move(node));
            }
        TSkinCatalogue::SortLevel(keyed);
        std::stable_sort(compared.begin(), compared.end(), [](const auto& a, const auto& b) {
            return TSkinCatalogue::CompareNodes(a.get(), b.get()) < 0;
        });
        QStringList a, b;
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            a << keyed[i]->Caption + (keyed[i]->Children.empty() ? "" : "/");
            b << compared[i]->Caption + (compared[i]->Children.empty() ? "" : "/");
        }
        EXPECT_EQ(a, b) << name;
    }
    QLocale::setDefault(saved);
}

TEST_F(SkinCatalogueTest, ALinkIsTakenOnlyToASkin) {
    const auto link = [this](const QString& target, const QString& rel) {
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(),
                            QFile::encodeName(Folder(rel)).constData()),
                  0);
    };
    const struct {
        const char* Name;
        std::function<void()> Setup;
        std::function<void(TSkinCatalogue&)> Then;
    } rows[] = {
        {"a link back to the root and a second name of a skin",
         [&] {
             MakeSkin("Loop/Real");
             StoreSkins("Loop\\Real", {});
             link(SkinsRoot(), "Loop/Back");
             link(Folder("Loop/Real"), "Twin");
         },
         [&](TSkinCatalogue& c) {
             // The link to the root is left out; two names of one skin are two entries,
             // whichever the file system lists first, and the stored one is found.
             EXPECT_EQ(Find("Loop\\Back"), nullptr);
             EXPECT_NE(Find("Loop\\Real"), nullptr);
             EXPECT_NE(Find("Twin"), nullptr);
             EXPECT_EQ(c.CurrentNode, Find("Loop\\Real"));
         }},
        {"two links a level to the next, 14 levels",
         [&] {
             for (int i = 0; i < 14; ++i)
                 QDir().mkpath(Folder(QString("Deep/L%1").arg(i)));
             MakeSkin("Deep/L13");
             for (int i = 0; i < 13; ++i)
                 for (const char* name : {"a", "b"})
                     link(QString("../L%1").arg(i + 1), QString("Deep/L%1/%2").arg(i).arg(name));
         },
         [&](TSkinCatalogue& c) {
             int nodes = 0;
             const std::function<void(const std::vector<std::unique_ptr<TSkinNode>>&)> count =
                 [&](const auto& level) {
                     for (const auto& n : level) {
                         ++nodes;
                         count(n->Children);
                     }
                 };
             count(c.Roots());
             EXPECT_LT(nodes, 40);
             EXPECT_NE(Find("Deep\\L12\\a"), nullptr); // a link to a skin
         }},
        {"a link out to the whole file system", [&] { link("/", "Everything"); },
         [&](TSkinCatalogue& c) {
             c.Roots();
             EXPECT_EQ(Find("Everything"), nullptr);
         }},
        {"a link out of the root to a skin, stored",
         [&] {
             MakeSkin("Made/Mine");
             const QString outside = Program.filePath("Mine");
             ASSERT_TRUE(QDir().rename(Folder("Made/Mine"), outside));
             link(outside, "Mine");
             StoreSkins("Mine", {});
         },
         [&](TSkinCatalogue& c) {
             ASSERT_NE(Find("Mine"), nullptr);
             EXPECT_TRUE(Find("Mine")->IsSkin());
             EXPECT_EQ(c.CurrentNode, Find("Mine"));
             EXPECT_EQ(View.Applied, QStringList{Face("Made/Mine")});
         }},
        {"a second name of a category",
         [&] {
             MakeSkin("Seasons/Winter");
             link(Folder("Seasons"), "Favourites");
         },
         [&](TSkinCatalogue&) {
             EXPECT_EQ(Find("Favourites"), nullptr);
             EXPECT_NE(Find("Seasons\\Winter"), nullptr);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        // Links are removed, never followed.
        std::filesystem::remove_all(QFile::encodeName(SkinsRoot()).toStdString());
        QDir().mkpath(SkinsRoot());
        View = Recorder();
        row.Setup();
        TSkinCatalogue& c = Fill();
        row.Then(c);
        EXPECT_FALSE(View.Events.contains("error"));
    }
}

TEST_F(SkinCatalogueTest, AFolderNameThatIsNotUtf8LoadsAndIsFoundAgain) {
    MakeSkin("Plain");
    // "Café" in Latin-1, as an old archive unpacks it.
    ASSERT_EQ(::rename(QFile::encodeName(Folder("Plain")).constData(),
                       (QFile::encodeName(SkinsRoot()) + "/Caf\xe9").constData()),
              0);
    StoreSkins(QStringLiteral("Caf\u00e9"), {QStringLiteral("Caf\u00e9")});
    TSkinCatalogue& c = Fill();
    ASSERT_NE(Find(QStringLiteral("Caf\u00e9")), nullptr);
    EXPECT_EQ(c.CurrentNode, Find(QStringLiteral("Caf\u00e9")));
    EXPECT_EQ(View.Applied, QStringList{Face("Plain")});
    EXPECT_EQ(c.RotationNodes.size(), 1u);
    c.WriteSkinSettings();
    EXPECT_EQ(StoredCurrent(), QStringLiteral("Caf\u00e9"));
}

TEST_F(SkinCatalogueTest, MissingSkinsRootIsReported) {
    QDir(SkinsRoot()).removeRecursively();
    TSkinCatalogue& c = Fill();
    EXPECT_EQ(View.Events.count("error"), 1); // not again when the tree is completed
    EXPECT_EQ(Captions(c.Roots()), QStringList{"* RANDOM *"});
    EXPECT_EQ(c.CurrentNode, nullptr);
    EXPECT_TRUE(View.Applied.isEmpty());
}

TEST_F(SkinCatalogueTest, TheRestOfTheTreeIsListedWhenFirstAskedFor) {
    MakeSkin("Default");
    MakeSkin("Holidays/Snow");
    MakeSkin("Holidays/Sun");
    MakeUserSkin("Holidays/Rain");
    MakeSkin("Plain");
    MakeSkin("Gone");
    StoreSkins("Default", {"holidays\\RAIN", "Holidays\\Snow"});
    TSkinCatalogue& c = Fill();
    const auto paths = [&] {
        QStringList out;
        for (const TSkinNode* node : c.RotationNodes)
            out << TSkinCatalogue::NodePath(node);
        return out;
    };
    // Found at activation, in the order a whole scan finds them.
    EXPECT_EQ(paths(), (QStringList{"Holidays\\Snow", "Holidays\\Rain"}));
    EXPECT_EQ(View.Events, (QStringList{"apply " + Face("Default"), "filled"}));
    TSkinNode* current = c.CurrentNode;
    TSkinNode* snow = c.RotationNodes.front();

    // The folders change before the tree is first asked for.
    MakeSkin("Plain/Sub");
    MakeSkin("Holidays/Snow/Deeper");
    QDir(Folder("Gone")).removeRecursively();
    MakeSkin("New");
    EXPECT_EQ(Captions(c.Roots()),
              (QStringList{"* RANDOM *", "Default", "New", "Holidays", "Plain"}));
    EXPECT_TRUE(Find("Plain")->IsCategory());
    // Entries known before keep what they are, and stay the same entries.
    EXPECT_EQ(Find("Holidays\\Snow"), snow);
    EXPECT_TRUE(snow->IsSkin() && snow->InRotation && snow->Children.empty());
    EXPECT_EQ(c.CurrentNode, current);
    EXPECT_EQ(paths(), (QStringList{"Holidays\\Snow", "Holidays\\Rain"}));
    EXPECT_EQ(Captions(Find("Holidays")->Children), (QStringList{"Rain", "Snow", "Sun"}));
    EXPECT_FALSE(View.Events.contains("error"));
}

TEST_F(SkinCatalogueTest, WritingReplacesTheRotationSetAsAWhole) {
    MakeSkin("A");
    MakeSkin("B");
    StoreSkins("A", {"A", "Gone", "B"});
    TSkinCatalogue& c = Fill();
    EXPECT_EQ(c.RotationNodes.size(), 2u);
    c.ToggleRotation(Find("A"));
    c.WriteSkinSettings();
    EXPECT_EQ(StoredRotation(), QStringList{"B"}); // the vanished name is gone too
}

TEST_F(SkinCatalogueTest, SubtreeRotationFollowsTheCategoryMark) {
    MakeSkin("Top/Mid/Deep");
    MakeSkin("Top/Near");
    QDir().mkpath(Folder("Top/Broken"));
    TSkinCatalogue& c = Fill();
    TSkinNode* broken = Find("Top\\Broken");
    EXPECT_FALSE(c.ActivateNode(broken, false));
    c.ToggleRotation(broken); // a broken skin's own mark does nothing
    EXPECT_FALSE(broken->InRotation);
    c.ToggleRotation(Find("Top"));
    EXPECT_TRUE(Find("Top")->MarkedIn);
    EXPECT_TRUE(Find("Top\\Mid")->MarkedIn);
    EXPECT_TRUE(Find("Top\\Mid\\Deep")->InRotation);
    EXPECT_TRUE(Find("Top\\Near")->InRotation);
    EXPECT_TRUE(broken->InRotation); // the category puts it back
    EXPECT_EQ(c.RotationNodes.size(), 3u);
    c.ToggleRotation(Find("Top"));
    EXPECT_TRUE(c.RotationNodes.empty());
    EXPECT_FALSE(Find("Top\\Mid")->MarkedIn);
}

TEST_F(SkinCatalogueTest, TheUsersSkinsJoinTheInstalledOnes) {
    MakeSkin("Default");
    MakeSkin("Seasons/Summer");
    MakeSkin("Plain");          // a skin in one root,
    MakeUserSkin("Plain/Mine"); // a category of the same name in the other
    MakeUserSkin("Default");    // shadows the installed one of the same name
    MakeUserSkin("Seasons/Winter");
    TSkinCatalogue& c = Fill();
    EXPECT_EQ(Captions(c.Roots()), (QStringList{"* RANDOM *", "Default", "Plain", "Seasons"}));
    EXPECT_EQ(Captions(Find("Seasons")->Children), (QStringList{"Summer", "Winter"}));
    EXPECT_TRUE(Find("Plain")->IsCategory());
    EXPECT_EQ(View.Applied, QStringList{Face("Default") + " (user)"});
    EXPECT_TRUE(c.ActivateNode(Find("Seasons\\Summer"), false));
    EXPECT_TRUE(c.ActivateNode(Find("Seasons\\Winter"), false));
    EXPECT_EQ(View.Applied.last(), Face("Seasons/Winter") + " (user)");
    EXPECT_FALSE(View.Events.contains("error")); // a user without skins of their own is fine

    // A skin the user copies in is listed at the next Refresh, under its plain name.
    MakeUserSkin("Seasons/Autumn");
    c.WriteSkinSettings();
    c.FillTree();
    ASSERT_NE(Find("Seasons\\Autumn"), nullptr);
    EXPECT_EQ(StoredCurrent(), "Seasons\\Winter"); // stored by its relative name, as ever
    EXPECT_EQ(c.CurrentNode, Find("Seasons\\Winter"));
}

TEST_F(SkinCatalogueTest, InstalledSkinsBesideTheProgramOrUnderItsPrefix) {
    QTemporaryDir prefix;
    platform::SetProgramPath(prefix.filePath("bin/korvane5"));
    QDir().mkpath(prefix.filePath("bin"));
    EXPECT_EQ(TSkinCatalogue::InstalledSkinsPath(), prefix.filePath("share/korvane5/Skins") + "/");
    QDir().mkpath(prefix.filePath("bin/Skins")); // a build folder or a portable copy
    EXPECT_EQ(TSkinCatalogue::InstalledSkinsPath(), prefix.filePath("bin/Skins") + "/");
    EXPECT_EQ(TSkinCatalogue::UserSkinsPath(), ConfigPath("data/korvane5/Skins/"));
}
