#include "forms/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstdio>

namespace forms {

namespace {

bool looksSansSerif(const QString& family)
{
    for (const char* mark : {"Gothic", "gothic", "Sans", "sans", "ゴシック"})
        if (family.contains(QString::fromUtf8(mark)))
            return true;
    return false;
}

QString findGothicFamily()
{
    for (const QString& wanted : {kGothicFamily, QStringLiteral("IPAPGothic")})
        if (QFontDatabase::hasFamily(wanted))
            return wanted;
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    for (const QString& family : japanese)
        if (looksSansSerif(family))
            return family;
    if (!japanese.isEmpty())
        return japanese.first();
    std::fprintf(stderr, "parallel-board: no Japanese font is installed; captions may not show "
                         "(install fonts-ipafont-gothic)\n");
    return {};
}

} // namespace

QString gothicFamily()
{
    static const QString family = findGothicFamily();
    return family;
}

QFont gothicFont(int pixelSize, int weight)
{
    QFont font;
    const QString family = gothicFamily();
    if (!family.isEmpty())
        font.setFamilies({family});
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    return font;
}

} // namespace forms
