#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

/// Encodes square images (at most 256 pixels) as one Windows icon file: one 32-bit entry per
/// image with its alpha channel and the matching AND mask, so that every reader shows it alike.
QByteArray EncodeIco(const QList<QImage> &images);
