// SPDX-License-Identifier: GPL-3.0-or-later
#include "skins/SkinChooserUnit.h"

#include "common/Site.h"
#include "platform/Environment.h"
#include "ui_SkinChooserUnit.h"
#include "widgets/DialogFrame.h"
#include "widgets/ErrorGuard.h"
#include "widgets/Resources.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int NodeRole = Qt::UserRole;
constexpr int RevisionRole = Qt::UserRole + 1;
constexpr int ImageSize = 16;

// Draws an entry as the tree shows it: the state icon (the rotation mark), the icon,
// then the caption.
class TSkinItemDelegate : public QStyledItemDelegate {
public:
    explicit TSkinItemDelegate(TSkinChooserForm* form) : QStyledItemDelegate(form), Form(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        opt.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        const auto* node =
            reinterpret_cast<const TSkinNode*>(index.data(NodeRole).value<quintptr>());
        if (!node)
            return;
        int x = option.rect.left();
        const int top = option.rect.top() + (option.rect.height() - ImageSize) / 2;
        const int state = TSkinChooserForm::StateIconOf(node);
        if (state >= 0) {
            painter->drawPixmap(x, top, Form->ImageList.value(state));
            x += ImageSize;
        }
        const bool selected = option.state & QStyle::State_Selected;
        const int icon =
            selected ? TSkinChooserForm::SelectedIconOf(node) : TSkinChooserForm::IconOf(node);
        painter->drawPixmap(x, top, Form->ImageList.value(icon));
        x += ImageSize + 3;
        const QRect textRect(x, option.rect.top(), option.rect.right() - x, option.rect.height());
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(
            textRect, Qt::AlignVCenter | Qt::AlignLeft,
            option.fontMetrics.elidedText(node->Caption, Qt::ElideRight, textRect.width()));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = index.data(Qt::DisplayRole).toString();
        return QSize(2 * ImageSize + 3 + option.fontMetrics.horizontalAdvance(text) + 4,
                     std::max(ImageSize + 2, option.fontMetrics.height() + 2));
    }

private:
    TSkinChooserForm* Form;
};

} // namespace

TSkinChooserForm::TSkinChooserForm(QWidget* owner, ISkinTarget* target,
                                   std::shared_ptr<store::TClockSettings> settings,
                                   const QString& defaultSkin)
    : QDialog(owner),
      Catalogue(target, this, std::move(settings), defaultSkin,
                {TSkinCatalogue::InstalledSkinsPath(), TSkinCatalogue::UserSkinsPath()}),
      ui(std::make_unique<Ui::TSkinChooserForm>()) {
    widgets::InitResources();
    ui->setupUi(this);
    TreeView = ui->TreeView;
    OKButton = ui->OKButton;
    CancelButton = ui->CancelButton;
    Spacer = ui->Spacer;
    RefreshButton = ui->RefreshButton;
    GetSkins = ui->GetSkins;

    widgets::SetupDialog(this, {351, 248}, widgets::TTitleButtons::None);
    widgets::FitButtonColumn({OKButton, CancelButton, Spacer, RefreshButton, GetSkins}, TreeView);

    for (int i = 0; i < 9; ++i)
        ImageList << widgets::ResourcePicture(QStringLiteral(":/images/tree%1.png").arg(i),
                                              devicePixelRatioF());
    TreeView->setItemDelegate(new TSkinItemDelegate(this));
    TreeView->setIconSize(QSize(2 * ImageSize, ImageSize));
    TreeView->viewport()->installEventFilter(this);
    QPalette white = TreeView->palette();
    white.setColor(QPalette::Base, Qt::white);
    TreeView->setPalette(white);

    connect(TreeView, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (Rebuilding)
            return;
        Selected = NodeOf(current);
        widgets::Guarded([&] { TreeViewChanging(current); });
    });
    auto bind = [this](QPushButton* button, void (TSkinChooserForm::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { widgets::Guarded([&] { (this->*handler)(); }); });
    };
    bind(OKButton, &TSkinChooserForm::OKButtonClick);
    bind(CancelButton, &TSkinChooserForm::CancelButtonClick);
    bind(RefreshButton, &TSkinChooserForm::RefreshButtonClick);
    bind(GetSkins, &TSkinChooserForm::GetSkinsClick);

    Catalogue.FillTree();
}

TSkinChooserForm::~TSkinChooserForm() {
    Catalogue.WriteSkinSettings();
    // The tree's own teardown, after the catalogue is gone, is no selection by the user.
    disconnect(TreeView, nullptr, this, nullptr);
}

void TSkinChooserForm::SetStayOnTop(bool onTop) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) != onTop)
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

int TSkinChooserForm::IconOf(const TSkinNode* node) {
    if (node->IsRandom())
        return 6;
    if (node->IsCategory())
        return 1;
    return node->Broken ? 4 : 3;
}

int TSkinChooserForm::SelectedIconOf(const TSkinNode* node) {
    if (node->IsRandom())
        return 5;
    if (node->IsCategory())
        return 0;
    return node->Broken ? 4 : 2;
}

int TSkinChooserForm::StateIconOf(const TSkinNode* node) {
    if (node->IsRandom())
        return -1;
    if (node->IsCategory())
        return node->MarkedIn ? 7 : 8;
    return node->InRotation ? 5 : 6; // a broken skin its category put back is in rotation
}

QTreeWidgetItem* TSkinChooserForm::ItemOf(const TSkinNode* node) {
    BuildItems();
    const auto it = Items.find(node);
    return it == Items.end() ? nullptr : it->second;
}

TSkinNode* TSkinChooserForm::NodeOf(const QTreeWidgetItem* item) const {
    return item ? reinterpret_cast<TSkinNode*>(item->data(0, NodeRole).value<quintptr>()) : nullptr;
}

QRect TSkinChooserForm::StateIconRect(const QTreeWidgetItem* item) const {
    const QRect r = TreeView->visualItemRect(item);
    return QRect(r.left(), r.top() + (r.height() - ImageSize) / 2, ImageSize, ImageSize);
}

void TSkinChooserForm::CatalogueCleared() {
    Rebuilding = true;
    TreeView->clear();
    Items.clear();
    Built = false;
    Selected = nullptr;
    Rebuilding = false;
}

void TSkinChooserForm::NodeChanged(TSkinNode* node) {
    // The icons are drawn from the node; a new revision makes the tree draw it again.
    if (!Built)
        return;
    if (const auto it = Items.find(node); it != Items.end())
        it->second->setData(0, RevisionRole, it->second->data(0, RevisionRole).toInt() + 1);
}

void TSkinChooserForm::AddItems(TSkinNode* node, QTreeWidgetItem* parent) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TreeView);
    item->setText(0, node->Caption);
    item->setData(0, NodeRole, quintptr(node));
    Items[node] = item;
    for (const auto& child : node->Children)
        AddItems(child.get(), item);
}

void TSkinChooserForm::BuildItems() {
    if (Built)
        return;
    Catalogue.CompleteTree();
    Rebuilding = true;
    TreeView->clear();
    Items.clear();
    for (const auto& root : Catalogue.Roots())
        AddItems(root.get(), nullptr);
    Built = true;
    if (const auto it = Items.find(Selected); it != Items.end()) {
        for (QTreeWidgetItem* p = it->second->parent(); p; p = p->parent())
            p->setExpanded(true);
        TreeView->setCurrentItem(it->second);
    }
    Rebuilding = false;
}

void TSkinChooserForm::CatalogueFilled() {
    // A shown tree is laid out again in the catalogue's order; the selection stays.
    if (isVisible())
        BuildItems();
}

void TSkinChooserForm::SelectNode(TSkinNode* node) {
    if (!Built) {
        // Without entries the tree's rule still holds: a selection that moves tells the
        // catalogue at once.
        if (node == Selected)
            return;
        Selected = node;
        Catalogue.SelectionChanging(node);
        return;
    }
    QTreeWidgetItem* item = ItemOf(node);
    if (!item) {
        TreeView->setCurrentItem(nullptr);
        TreeView->clearSelection();
        return;
    }
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    TreeView->setCurrentItem(item);
}

void TSkinChooserForm::FocusTree() {
    TreeView->setFocus();
}

void TSkinChooserForm::ShowSearchError() {
    widgets::ShowMessage(tr("Error searching for skins."));
}

void TSkinChooserForm::TreeViewChanging(QTreeWidgetItem* item) {
    Catalogue.SelectionChanging(NodeOf(item));
}

void TSkinChooserForm::TreeViewMouseDown(Qt::MouseButton, const QPoint& at) {
    QTreeWidgetItem* item = TreeView->itemAt(at);
    if (!item || !StateIconRect(item).contains(at))
        return;
    TSkinNode* node = NodeOf(item);
    if (!node || StateIconOf(node) < 0)
        return;
    Catalogue.ToggleRotation(node);
}

bool TSkinChooserForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TreeView->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        widgets::Guarded([&] { TreeViewMouseDown(mouse->button(), mouse->position().toPoint()); });
    }
    return QDialog::eventFilter(watched, event); // the tree handles the press as usual
}

void TSkinChooserForm::showEvent(QShowEvent* event) {
    BuildItems();
    QDialog::showEvent(event);
    widgets::Guarded([this] { FormShow(); });
}

void TSkinChooserForm::FormShow() {
    Catalogue.ShownNode = Catalogue.CurrentNode;
    TreeView->setFocus();
}

void TSkinChooserForm::OKButtonClick() {
    Catalogue.Updating = true;
    SelectNode(Catalogue.CurrentNode);
    Catalogue.Updating = false;
    done(QDialog::Accepted);
}

void TSkinChooserForm::CancelButtonClick() {
    SelectNode(Catalogue.ShownNode);
    done(QDialog::Rejected);
}

void TSkinChooserForm::reject() {
    // Esc and the window manager's close act as the Cancel button.
    widgets::Guarded([this] { CancelButtonClick(); });
}

void TSkinChooserForm::done(int result) {
    if (isVisible())
        widgets::Guarded([this] { FormClose(); });
    QDialog::done(result);
}

void TSkinChooserForm::FormClose() {
    if (Catalogue.CurrentNode && Catalogue.CurrentNode->IsRandom())
        Catalogue.ChooseRandomSkin();
    Catalogue.WriteSkinSettings();
}

void TSkinChooserForm::RefreshButtonClick() {
    Catalogue.WriteSkinSettings();
    Catalogue.FillTree();
}

void TSkinChooserForm::GetSkinsClick() {
    platform::OpenUrl(site::BaseUrl() + site::SkinsPageName);
    // Closes without the Cancel button's step, so the skin being tried stays.
    done(QDialog::Rejected);
}
