#pragma once

#include <QImage>
#include <QString>

// Writes a PNG whose rows are stored as they are: no deflate, no row
// filters. Such a file is larger, but Qt reads it with little more than a
// copy, where a packed one is inflated and unfiltered row by row; the
// skin's pictures are read at every start. Every reader of PNG reads it.
namespace StoredPng {

bool write(const QImage& image, const QString& path);

} // namespace StoredPng
