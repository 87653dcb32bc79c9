#pragma once

#include <QImage>
#include <QString>

// The text as a QR code (error correction M), black modules on white with
// the four-module quiet zone, each module `moduleSize` pixels; a null
// image when the text does not fit a QR code.
QImage qrCodeImage(const QString& text, int moduleSize);
