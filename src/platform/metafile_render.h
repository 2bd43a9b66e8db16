// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Windows metafiles (WMF through libwmf's gd device) and enhanced metafiles (EMF through the
// separate pixora-emf2svg program, then drawn with QtSvg), rendered onto white. Both check the
// record chain first, so a file cut short never reaches the libraries.
//
// The converter is $PIXORA_EMF2SVG when set, else the one beside the running program (the build
// tree), else the installed one. A missing, failing or stuck converter (killed after 10 s)
// makes the file unusable, like a damaged one.

#include <QByteArray>
#include <QImage>
#include <optional>

namespace pixora {

// Metafiles are drawn at their own size but never larger than this on a side (aspect kept).
inline constexpr int kMaxMetafileSide = 2000;

// The picture at its own size, capped as above and then at most maxWidth x maxHeight, each axis
// on its own. An opaque Format_RGB32 image, or nothing for an unusable file.
std::optional<QImage> RenderWmf(const QByteArray& bytes, int maxWidth, int maxHeight);
std::optional<QImage> RenderEmf(const QByteArray& bytes, int maxWidth, int maxHeight);

// Whether the record chains are whole: header, records that fit in the file, end record.
bool WmfRecordsComplete(const QByteArray& bytes);
bool EmfRecordsComplete(const QByteArray& bytes);

}  // namespace pixora
