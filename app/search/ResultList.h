#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

// The result list: one line of text per hit, in the order given, never
// sorted. A long list (a single letter can give more than 12,000 hits) is
// put in as one batch and drawn line by line only where it is visible.
class ResultList : public QListView {
    Q_OBJECT
public:
    explicit ResultList(QWidget* parent = nullptr);

    int count() const;
    QString text(int row) const;  // the line of that row, or "" beyond the list
    // Replaces all lines by `lines` at once.
    void setLines(const QStringList& lines);
    void addItem(const QString& line);  // one more line at the end
    void setCurrentRow(int row);

signals:
    // The selected line changed, by a click, a key or setCurrentRow (-1: none).
    void currentRowChanged(int row);

private:
    QStringListModel* model_;
};
