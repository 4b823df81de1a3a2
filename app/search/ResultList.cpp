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

void ResultList::setLines(const QStringList& lines) { model_->setStringList(lines); }

void ResultList::addItem(const QString& line) {
    const int at = count();
    model_->insertRows(at, 1);
    model_->setData(model_->index(at), line);
}

void ResultList::setCurrentRow(int row) {
    setCurrentIndex(row >= 0 && row < count() ? model_->index(row) : QModelIndex());
}
