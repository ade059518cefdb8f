// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of installed skins: the tree of skin folders below the skins root, headed
// by the random entry, with the current entry and the set of skins in random rotation,
// both remembered per clock in the settings store. It decides what the clock shows.
//
// The catalogue needs no window: it tells its view (the chooser's tree) what changed,
// and the view reports selections back through SelectionChanging.

#include "skins/FolderWalk.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class TSkin;
namespace store {
class TClockSettings;
}

struct TSkinNode {
    // Unlisted: a folder whose own folder has not been listed yet, so whether it is a skin
    // or a category is not known; none is left once the whole tree is asked for.
    enum class TKind { Random, Category, Skin, Unlisted };

    TKind Kind = TKind::Skin;
    QString Caption;     // the folder's name as text
    QByteArray FileName; // the folder's name as the file system has it
    int Root = 0;        // skins: the skins root its folder is in (a later root shadows)
    TSkinNode* Parent = nullptr;
    std::vector<std::unique_ptr<TSkinNode>> Children;
    bool InRotation = false; // skins: member of the rotation set
    bool MarkedIn = false;   // categories: the rotation mark
    bool Broken = false;     // skins: a load failed since the tree was built
    bool Listed = false;     // its folder has been listed (or found unreadable)

    bool IsSkin() const { return Kind == TKind::Skin; }
    bool IsCategory() const { return Kind == TKind::Category; }
    bool IsRandom() const { return Kind == TKind::Random; }
};

// Where a loaded skin goes: the clock window.
class ISkinTarget {
public:
    virtual ~ISkinTarget() = default;
    virtual void ApplySkin(std::unique_ptr<TSkin> skin) = 0;
    // Whether it shows skins at a device pixel ratio above 1: their double-size pictures
    // are read then.
    virtual bool WantsDoubleSize() const { return false; }
};

// What shows the catalogue: the chooser's tree view.
class ICatalogueView {
public:
    virtual ~ICatalogueView() = default;
    virtual void CatalogueCleared() = 0;
    virtual void NodeChanged(TSkinNode* node) = 0;
    // The catalogue was built anew: a view on screen lays its entries out again, which
    // lists the rest of the tree.
    virtual void CatalogueFilled() = 0;
    // Selects the node's entry (none: clears the selection). The view calls
    // SelectionChanging synchronously when the selection changes.
    virtual void SelectNode(TSkinNode* node) = 0;
    virtual void FocusTree() = 0;
    virtual void ShowSearchError() = 0;
};

// The generator of the random choice: a 32-bit linear congruential state.
class TSkinRandom {
public:
    void Seed(std::uint32_t seed) {
        State = seed;
        Next();
    }
    // Bits 16 to 30 of the next state: 0 to 32767.
    int Next() {
        State = State * 22695477u + 1u;
        return int((State >> 16) & 0x7fff);
    }

private:
    std::uint32_t State = 0;
};

class TSkinCatalogue {
public:
    static const QString RandomCaption; // "* RANDOM *"

    // settings: the clock's, which keep the current skin and the rotation set. roots: the
    // skins roots, each with a trailing '/', the installed one first; a later one's skins
    // shadow an earlier one's of the same name, and folders of the same path are one
    // category.
    TSkinCatalogue(ISkinTarget* owner, ICatalogueView* view,
                   std::shared_ptr<store::TClockSettings> settings, const QString& defaultSkin,
                   const QStringList& roots);

    // The installed skins: "Skins" beside the program when that folder exists (a build
    // folder, a portable copy), else share/korvane5/Skins of the prefix the program is in.
    static QString InstalledSkinsPath();
    // The user's own skins: $XDG_DATA_HOME/korvane5/Skins (~/.local/share/korvane5/Skins).
    static QString UserSkinsPath();

    ISkinTarget* OwnerForm;
    TSkinNode* ShownNode = nullptr;
    TSkinNode* CurrentNode = nullptr;
    std::vector<TSkinNode*> RotationNodes;
    QString SettingsKey;
    bool Updating = false;
    QString SkinsPath;               // the installed skins root, with a trailing '/'
    QStringList SkinsPaths;          // every root, SkinsPath first
    std::set<QString> RotationNames; // case-folded
    QString CurrentName;
    QString DefaultSkin;

    // The whole tree, listed to the end and sorted when first asked for.
    const std::vector<std::unique_ptr<TSkinNode>>& Roots() {
        CompleteTree();
        return RootNodes;
    }

    // Lists only the folders on the way to the stored skin and the rotation's skins, so a
    // clock starts as fast with thousands of skins as with a few; the rest waits for
    // CompleteTree.
    void FillTree();
    // Lists every folder not listed yet, classifies and sorts the tree: the chooser's first
    // showing, the first skin in tree order. Entries already known keep what they are.
    void CompleteTree();
    // Lists the open folder fd into parent's entries (the roots for none), and closes it.
    bool ScanFolder(int fd, TSkinNode* parent);
    static QString NodePath(const TSkinNode* node);
    bool ActivateNode(TSkinNode* node, bool quiet);
    void ChooseRandomSkin();
    // The random skin change time came: a random folder on show shows another of its skins.
    void RandomTimeCame();
    void ChooseFirstSkin();
    // Loads the skin on show again and puts it on the window: the window's scale changed,
    // and the picture is chosen anew. Nothing else changes.
    void ReapplyShownSkin();
    void SetSubtreeRotation(TSkinNode* category, bool include);
    // Through the clock's settings, which keep what the user chose while the store could
    // not be read or written: the clock's retry reads and writes it later.
    void ReadSkinSettings();
    void WriteSkinSettings();
    // Where an entry's kind puts it in its level, before its name counts.
    static int Rank(const TSkinNode* node);
    static int CompareNodes(const TSkinNode* a, const TSkinNode* b);
    // Puts every level in the order of CompareNodes.
    static void SortLevel(std::vector<std::unique_ptr<TSkinNode>>& level);

    // The view's selection is about to move to node: the dialog's TreeViewChanging rule.
    void SelectionChanging(TSkinNode* node);
    // A press on an entry's rotation mark: the dialog's TreeViewMouseDown rule.
    void ToggleRotation(TSkinNode* node);

    // The skin folder of an entry, as the file system names it.
    QByteArray FolderOf(const TSkinNode* node) const;

private:
    void SetInRotation(TSkinNode* skin, bool in);
    bool ScanRoots();
    void Classify(std::vector<std::unique_ptr<TSkinNode>>& level);
    void RemoveUnlisted(std::vector<std::unique_ptr<TSkinNode>>& level);
    TSkinNode* FindByPath(const std::vector<std::unique_ptr<TSkinNode>>& level,
                          const QString& path) const;
    TSkinNode* AddNode(TSkinNode* parent, const QByteArray& fileName, const QString& caption);

    ICatalogueView* View;
    std::vector<std::unique_ptr<TSkinNode>> RootNodes;
    TSkinNode* AppliedNode = nullptr; // the skin last put on the window
    skins::TFolderWalk Walk;          // the folders a scan entered
    int ScanRoot = 0;                 // the root being scanned
    bool Deep = false;                // the scan lists every folder, not only the wanted ones
    // The case-folded names of the folders on the way to the stored skin and to the
    // rotation's skins, the folders themselves included.
    std::set<QString> WantedPaths;
    bool Completed = false; // every folder is listed and the tree sorted
    std::shared_ptr<store::TClockSettings> Settings;
    bool Filling = false;      // FillTree selects the stored entry, not the user
    bool Marking = false;      // the user's rotation mark is being set
    bool SearchFailed = false; // a folder could not be listed since FillTree (reported)
    TSkinRandom Random;
};
