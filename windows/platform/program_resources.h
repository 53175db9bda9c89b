// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and fonts built into the program: the structure bitmaps by id, the table
// picture, the program icon and the embedded Japanese font.
// Platform layer (windows/platform/), below the controls and the windows.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtGlobal>

class QWidget;

namespace tavimor {

inline constexpr int kFirstStructurePicture = 1;
inline constexpr int kLastStructurePicture = 20;

// The scale a picture is drawn at for a display of `devicePixelRatio`: 1 at ratio 1 and below,
// else the nearest drawn scale above the ratio (2 or 3), 3 beyond.
int PictureScale(qreal devicePixelRatio);

// The structure picture with resource id `id` (1 to 20); a null pixmap for any other id. At a
// ratio above 1 it is the variant drawn for that scale, carrying its scale as its own device
// pixel ratio, so that it keeps its designed size of 120 x 120.
QPixmap LoadResPicture(int id, qreal devicePixelRatio = 1);
// The raw bytes of a structure picture, as stored: an 8-bit device-independent bitmap.
QByteArray StructurePictureData(int id);
// The picture of the table window (242 x 434), in the same way.
QPixmap TablePicture(qreal devicePixelRatio = 1);
// The icon of the program and of both windows, in every size the desktop asks for.
QIcon ProgramIcon();
// Gives `window` the program's icon once its native window exists, when it is first shown: an
// icon given before that is handed to the window system twice while the window is created, and
// each time in every size.
void GiveProgramIcon(QWidget *window);

// Reads a device-independent bitmap without file header (1, 4 or 8 bits per pixel, with
// palette, uncompressed); a null image when the data is not one.
QImage DecodeDib(const QByteArray &data);

// The family of the embedded font, and the family the windows are designed in.
inline constexpr const char *kEmbeddedFontFamily = "Tavimor Sans JP";
inline constexpr const char *kDesignedFontFamily = "ＭＳ Ｐゴシック";
// Registers the embedded fonts (regular and bold) and lets them stand in for the designed
// "ＭＳ Ｐゴシック" where the system has no font of that name (nor, on Windows, of its English name
// "MS PGothic", which then stands in). Returns false when the embedded fonts could not be
// registered.
bool InstallProgramFonts();
// The family to ask for where the designs name "ＭＳ Ｐゴシック": that family where the system
// has it (or before the embedded fonts are installed), else the embedded family by its own
// name, so that Qt does not search the system's fonts for the absent one at every font it
// resolves. Both ways the text is drawn in the same font.
QString DesignedFontFamily();

}  // namespace tavimor
