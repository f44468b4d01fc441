#pragma once
// The lines of a data file as a read-only list, each line's text made when
// a view asks for it: a material list of millions of lines costs about its
// file's size, not an item object per line.

#include "engine/catalogue/textlines.h"

#include <QAbstractListModel>
#include <memory>

class LinesModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces the lines (nullptr: none); views are told the list was reset.
    void setLines(std::shared_ptr<const TextLines> lines);
    const TextLines& lines() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::shared_ptr<const TextLines> lines_;
};
