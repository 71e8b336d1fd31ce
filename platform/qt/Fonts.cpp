#include "platform/qt/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstdio>

namespace qtwin {

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
    for (const QString& wanted : {QString::fromUtf8(forms::kGothicFamily), QStringLiteral("IPAPGothic")})
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

QFont fontFor(const forms::FontRequest& request)
{
    QFont font;
    const QString wanted = QString::fromStdString(request.family);
    const QString family = wanted == QString::fromUtf8(forms::kGothicFamily) ? gothicFamily() : wanted;
    if (!family.isEmpty())
        font.setFamilies({family});
    font.setPixelSize(request.pixelSize);
    font.setWeight(QFont::Weight(request.weight));
    return font;
}

} // namespace qtwin
