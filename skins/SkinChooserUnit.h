// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skin chooser: a modal dialog showing the active clock's skin catalogue as a tree.
// Selecting an entry shows its skin on the clock at once; a press on an entry's question
// mark takes it into the random rotation or out of it. The dialog object also carries
// the catalogue while it is hidden, from the clock's activation on.

#include "skins/SkinCatalogue.h"

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <memory>
#include <unordered_map>

namespace Ui {
class TSkinChooserForm;
}
class QTreeWidget;
class QTreeWidgetItem;
class QPushButton;
class QFrame;

class TSkinChooserForm : public QDialog, private ICatalogueView {
    Q_OBJECT
public:
    // owner: the window the dialog belongs to; target: where skins are applied.
    TSkinChooserForm(QWidget* owner, ISkinTarget* target,
                     std::shared_ptr<store::TClockSettings> settings, const QString& defaultSkin);
    ~TSkinChooserForm() override;

    void SetStayOnTop(bool onTop);

    QTreeWidget* TreeView;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QFrame* Spacer;
    QPushButton* RefreshButton;
    QPushButton* GetSkins;
    QList<QPixmap> ImageList; // the nine tree images

    TSkinCatalogue Catalogue;

    // Image indexes of an entry: its icon, its icon while selected, its state icon (-1:
    // none), as the tree shows them.
    static int IconOf(const TSkinNode* node);
    static int SelectedIconOf(const TSkinNode* node);
    static int StateIconOf(const TSkinNode* node);

    // The tree's entry of a node; the tree's entries are made when first needed.
    QTreeWidgetItem* ItemOf(const TSkinNode* node);
    TSkinNode* NodeOf(const QTreeWidgetItem* item) const;
    // Where the state icon of an entry is drawn, in the tree's viewport.
    QRect StateIconRect(const QTreeWidgetItem* item) const;

    void TreeViewChanging(QTreeWidgetItem* item);
    void TreeViewMouseDown(Qt::MouseButton button, const QPoint& at);
    void FormShow();
    void OKButtonClick();
    void CancelButtonClick();
    void FormClose();
    void RefreshButtonClick();
    void GetSkinsClick();

    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The catalogue's view.
    void CatalogueCleared() override;
    void NodeChanged(TSkinNode* node) override;
    void CatalogueFilled() override;
    void SelectNode(TSkinNode* node) override;
    void FocusTree() override;
    void ShowSearchError() override;

    void AddItems(TSkinNode* node, QTreeWidgetItem* parent);
    // The tree's entries are made when the dialog is first shown, not at every scan: a
    // clock with thousands of skins starts as fast as one with a few.
    void BuildItems();

    std::unique_ptr<Ui::TSkinChooserForm> ui;
    std::unordered_map<const TSkinNode*, QTreeWidgetItem*> Items;
    bool Rebuilding = false;
    bool Built = false;            // the tree's entries mirror the catalogue
    TSkinNode* Selected = nullptr; // where the tree's selection rests, built or not
};
