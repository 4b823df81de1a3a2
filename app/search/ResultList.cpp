#include "search/ResultList.h"

#include <QItemSelectionModel>
#include <QStringListModel>

ResultList::ResultList(QWidget* parent) : QListView(parent), model_(new QStringListModel(this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { emit currentRowChanged(current.isValid() ? current.row() : -1); });
}

int ResultList::count() const { return model_->rowCount(); }

QString ResultList::text(int row) const {
    return row >= 0 && row < count() ? model_->index(row).data().toString() : QString();
}

void ResultList::clear() { setLines({}); }

void ResultList::setLines(const QStringList& lines) { model_->setStringList(lines); }

void ResultList::addItems(const QStringList& lines) {
    if (count() == 0) {
        setLines(lines);
        return;
    }
    const int at = count();
    model_->insertRows(at, int(lines.size()));
    for (int i = 0; i < lines.size(); ++i) model_->setData(model_->index(at + i), lines[i]);
}

void ResultList::addItem(const QString& line) { addItems({line}); }

int ResultList::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void ResultList::setCurrentRow(int row) {
    setCurrentIndex(row >= 0 && row < count() ? model_->index(row) : QModelIndex());
}
