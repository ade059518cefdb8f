// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinCatalogue.h"

#include "platform/Environment.h"
#include "platform/RegularFile.h"
#include "skins/Skin.h"
#include "store/ClockSettings.h"
#include "store/Keys.h"
#include "store/Registry.h"
#include "store/SettingsStore.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <numeric>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

const QString TSkinCatalogue::RandomCaption = QStringLiteral("* RANDOM *");

namespace {

// Qt's case folding, done by hand where it is plain ASCII: most names are, and Qt's
// general routine cost as much as sorting two thousand of them.
QString Folded(const QString& caption) {
    QString folded = caption;
    for (QChar& c : folded) {
        if (c.unicode() >= 0x80)
            return caption.toCaseFolded();
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return folded;
}

// Case-insensitive, in the order of the program's language; made again if that changes.
const QCollator& Collator() {
    const auto made = [] {
        QCollator c{QLocale()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    };
    static QCollator collator = made();
    if (collator.locale() != QLocale())
        collator = made();
    return collator;
}

} // namespace

TSkinCatalogue::TSkinCatalogue(ISkinTarget* owner, ICatalogueView* view,
                               std::shared_ptr<store::TClockSettings> settings,
                               const QString& defaultSkin, const QStringList& roots)
    : OwnerForm(owner), SettingsKey(settings->Key()), SkinsPath(roots.value(0)), SkinsPaths(roots),
      DefaultSkin(defaultSkin), View(view), Settings(std::move(settings)) {}

QString TSkinCatalogue::InstalledSkinsPath() {
    const QString beside = platform::ProgramDir() + QStringLiteral("Skins/");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(platform::ProgramDir() + QStringLiteral("../share/korvane5/Skins")) +
           QLatin1Char('/');
}

QString TSkinCatalogue::UserSkinsPath() {
    return platform::DataHome() + QStringLiteral("/korvane5/Skins/");
}

TSkinNode* TSkinCatalogue::AddNode(TSkinNode* parent, const QByteArray& fileName,
                                   const QString& caption) {
    auto node = std::make_unique<TSkinNode>();
    node->Kind = TSkinNode::TKind::Unlisted;
    node->FileName = fileName;
    node->Caption = caption;
    node->Parent = parent;
    TSkinNode* raw = node.get();
    (parent ? parent->Children : RootNodes).push_back(std::move(node));
    return raw;
}

void TSkinCatalogue::FillTree() {
    RotationNodes.clear();
    RotationNames.clear();
    Updating = false;
    CurrentNode = ShownNode = nullptr;
    ReadSkinSettings();
    View->CatalogueCleared();
    RootNodes.clear();
    AppliedNode = nullptr;
    Completed = false;

    TSkinNode* random = AddNode(nullptr, {}, RandomCaption);
    random->Kind = TSkinNode::TKind::Random;
    if (CurrentName == RandomCaption) {
        Filling = true; // the stored choice, not the user's
        View->SelectNode(random);
        Filling = false;
    }

    // Of the folders below the roots, only those the stored names lead through are opened;
    // the others are entries by name until the tree is completed.
    WantedPaths.clear();
    QStringList wanted(RotationNames.begin(), RotationNames.end());
    wanted << Folded(CurrentName);
    for (const QString& path : std::as_const(wanted)) {
        for (qsizetype i = path.indexOf(QLatin1Char('\\')); i >= 0;
             i = path.indexOf(QLatin1Char('\\'), i + 1))
            WantedPaths.insert(path.left(i));
        WantedPaths.insert(path);
    }
    Deep = false;
    SearchFailed = !ScanRoots();
    Classify(RootNodes);
    // The stored skin is shown before the rest of the tree is listed and sorted.
    if (!CurrentNode)
        if (TSkinNode* stored = FindByPath(RootNodes, CurrentName); stored && stored->IsSkin())
            ActivateNode(stored, false);
    if (SearchFailed)
        View->ShowSearchError();

    View->CatalogueFilled();
    if (CurrentNode && CurrentNode->IsRandom())
        ChooseRandomSkin();
    if (!CurrentNode)
        ChooseFirstSkin();
    View->FocusTree();
}

void TSkinCatalogue::CompleteTree() {
    if (Completed)
        return;
    Completed = true;
    Deep = true;
    const bool listed = ScanRoots();
    Deep = false;
    RemoveUnlisted(RootNodes);
    Classify(RootNodes);
    SortLevel(RootNodes);
    // Reported once per FillTree, whether the activation or the completion met it.
    if (!listed && !SearchFailed) {
        SearchFailed = true;
        View->ShowSearchError();
    }
}

// Every root in turn into one tree; only the installed root must exist.
bool TSkinCatalogue::ScanRoots() {
    bool listed = true;
    for (ScanRoot = 0; ScanRoot < SkinsPaths.size(); ++ScanRoot) {
        const QByteArray root = QFile::encodeName(SkinsPaths[ScanRoot]);
        skins::TFolderId rootId;
        int fd = -1;
        const skins::TFolderOpen folder = skins::OpenFolder(AT_FDCWD, root.constData(), fd, rootId);
        if (folder == skins::TFolderOpen::None && ScanRoot > 0)
            continue;
        Walk.Start(rootId);
        listed = (folder == skins::TFolderOpen::Open && ScanFolder(fd, nullptr)) && listed;
    }
    return listed;
}

bool TSkinCatalogue::ScanFolder(int fd, TSkinNode* parent) {
    // Each folder is opened and its entries looked up relative to its parent, so the
    // kernel walks one name, not the whole path, for each of thousands of skins. The
    // entries are read straight from the kernel: a directory stream would ask twice more
    // about every folder it is given.
    const skins::TFd closer(fd);
    auto& level = parent ? parent->Children : RootNodes;
    // A folder of the same path in an earlier root is the same entry. Names within one
    // folder are unique, so only the entries an earlier root made need looking up.
    QHash<QByteArray, TSkinNode*> earlier;
    for (const auto& node : level)
        if (!node->IsRandom())
            earlier.insert(node->FileName, node.get());
    // The case-folded name its entries' names begin with, to tell the wanted ones.
    const QString prefix =
        Deep || !parent ? QString() : Folded(NodePath(parent)) + QLatin1Char('\\');
    std::vector<char> buffer(8192);
    for (ssize_t length; (length = ::getdents64(fd, buffer.data(), buffer.size())) > 0;) {
        for (ssize_t offset = 0; offset < length;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + offset);
            offset += entry->d_reclen;
            // The entry's type tells a file from a folder without a stat, so the pictures
            // and texts of two thousand skins cost nothing; folders, links and unknown
            // types are opened.
            if (!skins::TFolderWalk::MayBeFolder(*entry))
                continue;
            const QByteArray entryName(entry->d_name);
            TSkinNode* node = earlier.value(entryName);
            // A skin listed before keeps what it is, even if a sub-folder appeared since.
            if (Deep && node && node->IsSkin())
                continue;
            const QString caption = node ? node->Caption : platform::TextOfName(entryName);
            const bool list = Deep || WantedPaths.count(Folded(prefix + caption));
            // A folder not wanted yet is an entry by its name alone: no call at all.
            if (!list && entry->d_type == DT_DIR) {
                if (!node)
                    node = AddNode(parent, entryName, caption);
                node->Root = ScanRoot;
                continue;
            }
            skins::TFolderId id;
            int sub = -1;
            const skins::TFolderOpen folder = skins::OpenFolder(fd, entry->d_name, sub, id);
            skins::TFd opened(sub);
            if (folder == skins::TFolderOpen::None)
                continue;
            // A folder listed is entered once, and a link taken only to a skin (the walk's
            // rule); a name not listed yet waits for the complete scan.
            const skins::TFolderWalk::TTake take = list && folder == skins::TFolderOpen::Open
                                                       ? Walk.Take(fd, *entry, sub, id)
                                                       : skins::TFolderWalk::TTake::Enter;
            if (take == skins::TFolderWalk::TTake::Leave)
                continue;
            if (!node)
                node = AddNode(parent, entryName, caption);
            node->Root = ScanRoot;
            if (!list)
                continue;
            node->Listed = true;
            if (take == skins::TFolderWalk::TTake::Skin)
                continue; // it holds no folder: nothing to list
            if (folder != skins::TFolderOpen::Open || !ScanFolder(opened.Release(), node))
                return false;
        }
    }
    return true;
}

// Once every root is scanned: a listed folder with sub-folders is a category, one without
// a skin, in rotation when its name is stored so. Entries classified before stay as they are.
void TSkinCatalogue::Classify(std::vector<std::unique_ptr<TSkinNode>>& level) {
    for (auto& node : level) {
        if (node->Kind != TSkinNode::TKind::Unlisted || !node->Listed) {
            if (node->IsCategory())
                Classify(node->Children);
            continue;
        }
        if (!node->Children.empty()) {
            node->Kind = TSkinNode::TKind::Category;
            node->MarkedIn = false;
            View->NodeChanged(node.get());
            Classify(node->Children);
        } else {
            node->Kind = TSkinNode::TKind::Skin;
            if (!RotationNames.empty() && RotationNames.count(Folded(NodePath(node.get())))) {
                node->InRotation = true;
                RotationNodes.push_back(node.get());
                View->NodeChanged(node.get());
            }
        }
    }
}

// After the completing scan: a name it did not reach again is gone, is no folder, leads
// back to a folder above, or lay beyond a folder that could not be listed.
void TSkinCatalogue::RemoveUnlisted(std::vector<std::unique_ptr<TSkinNode>>& level) {
    std::erase_if(level, [](const std::unique_ptr<TSkinNode>& node) {
        return node->Kind == TSkinNode::TKind::Unlisted && !node->Listed;
    });
    for (auto& node : level)
        RemoveUnlisted(node->Children);
}

TSkinNode* TSkinCatalogue::FindByPath(const std::vector<std::unique_ptr<TSkinNode>>& level,
                                      const QString& path) const {
    for (const auto& node : level) {
        if (node->IsRandom())
            continue;
        if (NodePath(node.get()) == path)
            return node.get();
        if (path.startsWith(NodePath(node.get()) + QLatin1Char('\\')))
            return FindByPath(node->Children, path);
    }
    return nullptr;
}

QString TSkinCatalogue::NodePath(const TSkinNode* node) {
    QString path = node->Caption;
    for (const TSkinNode* p = node->Parent; p; p = p->Parent)
        path = p->Caption + QLatin1Char('\\') + path;
    return path;
}

QByteArray TSkinCatalogue::FolderOf(const TSkinNode* node) const {
    QByteArray path = node->FileName;
    for (const TSkinNode* p = node->Parent; p; p = p->Parent)
        path = p->FileName + '/' + path;
    return QFile::encodeName(SkinsPaths.value(node->Root)) + path;
}

// The order CompareNodes gives, with each caption's collation key made once: two keys
// compare as bytes, while the collator would analyse both captions at each of the
// n log n comparisons, which with two thousand skins was half the scan.
void TSkinCatalogue::SortLevel(std::vector<std::unique_ptr<TSkinNode>>& level) {
    for (auto& node : level)
        SortLevel(node->Children);
    if (level.size() < 2)
        return;
    const QCollator& collator = Collator();
    // The C locale compares case-folded UTF-16 units; a language compares by its keys,
    // unless the collator could not be made (then it falls back to comparing).
    enum class TBy { Folded, Keys, Collator };
    TBy by = TBy::Collator;
    if (collator.locale().language() == QLocale::C)
        by = TBy::Folded;
    else if (collator.sortKey(QStringLiteral("a")).compare(collator.sortKey(QStringLiteral("b"))))
        by = TBy::Keys;
    struct TEntry {
        int Rank = 0;
        std::optional<QCollatorSortKey> Key;
        QString Folded;
    };
    std::vector<TEntry> entries(level.size());
    for (std::size_t i = 0; i < level.size(); ++i) {
        const TSkinNode* node = level[i].get();
        entries[i].Rank = Rank(node);
        if (by == TBy::Folded)
            entries[i].Folded = Folded(node->Caption);
        else if (by == TBy::Keys)
            entries[i].Key = collator.sortKey(node->Caption);
    }
    // Indexes are sorted, so the merging moves integers rather than keys.
    std::vector<std::size_t> order(level.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
        const TEntry &a = entries[i], &b = entries[j];
        if (a.Rank != b.Rank)
            return a.Rank < b.Rank;
        switch (by) {
        case TBy::Folded:
            return a.Folded.compare(b.Folded) < 0;
        case TBy::Keys:
            return a.Key->compare(*b.Key) < 0;
        default:
            return collator.compare(level[i]->Caption, level[j]->Caption) < 0;
        }
    });
    std::vector<std::unique_ptr<TSkinNode>> sorted;
    sorted.reserve(level.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(level[i]));
    level = std::move(sorted);
}

int TSkinCatalogue::Rank(const TSkinNode* node) {
    // Empty categories and the random entry, then skins, then categories.
    return !node->Children.empty() ? 2 : node->IsSkin() ? 1 : 0;
}

int TSkinCatalogue::CompareNodes(const TSkinNode* a, const TSkinNode* b) {
    if (Rank(a) != Rank(b))
        return Rank(a) < Rank(b) ? -1 : 1;
    return Collator().compare(a->Caption, b->Caption);
}

void TSkinCatalogue::SetInRotation(TSkinNode* skin, bool in) {
    skin->InRotation = in;
    const auto it = std::find(RotationNodes.begin(), RotationNodes.end(), skin);
    if (in && it == RotationNodes.end())
        RotationNodes.push_back(skin);
    else if (!in && it != RotationNodes.end())
        RotationNodes.erase(it);
    if (Marking)
        Settings->ChangeMember(store::TSetting::SkinRotation, NodePath(skin), in);
    View->NodeChanged(skin);
}

bool TSkinCatalogue::ActivateNode(TSkinNode* node, bool quiet) {
    if (node->IsCategory() || node->Kind == TSkinNode::TKind::Unlisted)
        return false;
    if (node->IsSkin()) {
        auto skin = std::make_unique<TSkin>();
        if (!skin->LoadFromFolder(FolderOf(node), OwnerForm->WantsDoubleSize())) {
            node->Broken = true;
            SetInRotation(node, false);
            return false;
        }
        OwnerForm->ApplySkin(std::move(skin));
        AppliedNode = node;
        if (quiet)
            return true;
        Updating = true;
        View->SelectNode(node);
        Updating = false;
        CurrentNode = node;
        return true;
    }
    if (!quiet)
        CurrentNode = node;
    return true;
}

void TSkinCatalogue::ChooseRandomSkin() {
    Random.Seed(platform::MillisecondCounter());
    while (!RotationNodes.empty()) {
        const std::size_t i = std::size_t(Random.Next()) % RotationNodes.size();
        if (ActivateNode(RotationNodes[i], true))
            break;
    }
    if (RotationNodes.empty())
        ChooseFirstSkin();
}

void TSkinCatalogue::RandomTimeCame() {
    if (CurrentNode && CurrentNode->IsRandom())
        ChooseRandomSkin();
}

void TSkinCatalogue::ReapplyShownSkin() {
    auto skin = std::make_unique<TSkin>();
    if (AppliedNode && skin->LoadFromFolder(FolderOf(AppliedNode), OwnerForm->WantsDoubleSize()))
        OwnerForm->ApplySkin(std::move(skin));
}

void TSkinCatalogue::ChooseFirstSkin() {
    CompleteTree();
    const std::function<bool(const std::vector<std::unique_ptr<TSkinNode>>&)> visit =
        [&](const std::vector<std::unique_ptr<TSkinNode>>& level) {
            for (const auto& node : level) {
                if (node->IsSkin() && ActivateNode(node.get(), false))
                    return true;
                if (visit(node->Children))
                    return true;
            }
            return false;
        };
    visit(RootNodes);
}

void TSkinCatalogue::SetSubtreeRotation(TSkinNode* category, bool include) {
    for (const auto& child : category->Children) {
        if (child->IsSkin()) {
            SetInRotation(child.get(), include);
        } else if (child->IsCategory()) {
            child->MarkedIn = include;
            View->NodeChanged(child.get());
            SetSubtreeRotation(child.get(), include);
        }
    }
}

void TSkinCatalogue::SelectionChanging(TSkinNode* node) {
    if (!Updating && node && ActivateNode(node, false) && !Filling)
        Settings->Change(store::TSetting::SkinCurrent, NodePath(CurrentNode)); // the user's choice
}

void TSkinCatalogue::ToggleRotation(TSkinNode* node) {
    if (!node || node->Broken || node->IsRandom())
        return;
    // Each skin the mark reaches is the user's, one by one: a set the store has not given
    // yet keeps its other members.
    Marking = true;
    if (node->IsSkin()) {
        SetInRotation(node, !node->InRotation);
    } else {
        node->MarkedIn = !node->MarkedIn;
        View->NodeChanged(node);
        SetSubtreeRotation(node, node->MarkedIn);
    }
    Marking = false;
}

void TSkinCatalogue::ReadSkinSettings() {
    // The default skin and no rotation where the store holds none or cannot give them yet.
    Settings->SetDefault(store::TSetting::SkinCurrent, DefaultSkin);
    Settings->Load(store::TGroup::Skin);
    CurrentName = Settings->Text(store::TSetting::SkinCurrent);
    RotationNames.clear();
    for (const QString& name : Settings->Names(store::TSetting::SkinRotation))
        RotationNames.insert(Folded(name));
}

void TSkinCatalogue::WriteSkinSettings() {
    // What is on show is what the store gets where it was read; the settings write it, or
    // keep it while the store is held, and say what never landed.
    if (CurrentNode)
        Settings->Observe(store::TSetting::SkinCurrent, NodePath(CurrentNode));
    QStringList rotation;
    for (const TSkinNode* node : RotationNodes)
        rotation << NodePath(node);
    Settings->Observe(store::TSetting::SkinRotation, rotation);
    Settings->Save(store::TGroup::Skin);
}
