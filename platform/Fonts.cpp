#include <QFont>
#include <QStringList>

#include "platform/Fonts.h"
#include "platform/QtCodec.h"
#include "res/FontNames.h"

namespace platform {

void InstallFontSubstitutions() {
    static bool done = false;
    if (done) return;
    done = true;
    QFont::insertSubstitutions(ToQString(res::kFixedGothicFace),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("VL Gothic"),
                                QStringLiteral("Monospace")});
    QFont::insertSubstitutions(ToQString(res::kDialogFace),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                QStringLiteral("Sans Serif")});
}

QFont DialogFont() {
    InstallFontSubstitutions();
    QFont font(ToQString(res::kDialogFace));
    font.setPointSize(res::kDialogPointSize);
    return font;
}

QFont FixedGothicFont(int pixelHeight) {
    InstallFontSubstitutions();
    QFont font(ToQString(res::kFixedGothicFace));
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : 1);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Monospace);
    return font;
}

}  // namespace platform
