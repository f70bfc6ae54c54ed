#include "picture/template_catalog.h"

#include <array>

namespace qc {
namespace {

constexpr bool kProgressive = true;
constexpr bool kBaseline = false;
constexpr int kColour = 3;
constexpr int kGrey = 1;

// Rows 15 and 16 deliberately take a 265 x 265 box although their pictures are a pixel off.
constexpr std::array<TemplateEntry, 38> kCatalog{{
    {"短发1", ":/templates/00.jpg", 234, 234, 234, 234, kProgressive, kColour},
    {"短发2", ":/templates/01.jpg", 218, 218, 218, 218, kProgressive, kColour},
    {"熊猫1", ":/templates/02.jpg", 160, 155, 160, 155, kProgressive, kColour},
    {"熊猫2", ":/templates/03.jpg", 164, 156, 164, 156, kProgressive, kColour},
    {"熊猫3", ":/templates/04.jpg", 208, 207, 208, 207, kProgressive, kColour},
    {"熊猫4", ":/templates/05.jpg", 156, 172, 156, 172, kProgressive, kColour},
    {"熊猫5", ":/templates/06.jpg", 160, 131, 160, 131, kProgressive, kGrey},
    {"熊猫6", ":/templates/07.jpg", 133, 139, 133, 139, kProgressive, kColour},
    {"斯巴达1", ":/templates/08.jpg", 154, 172, 154, 172, kProgressive, kColour},
    {"懵逼狗", ":/templates/09.jpg", 264, 237, 264, 237, kProgressive, kColour},
    {"路人甲", ":/templates/10.jpg", 287, 213, 287, 213, kProgressive, kColour},
    {"老先生", ":/templates/11.jpg", 347, 231, 347, 231, kProgressive, kColour},
    {"黑人问号", ":/templates/12.jpg", 225, 225, 225, 225, kBaseline, kColour},
    {"马杀鸡", ":/templates/13.jpg", 198, 197, 198, 197, kProgressive, kColour},
    {"小屁孩", ":/templates/14.jpg", 198, 198, 198, 198, kBaseline, kColour},
    {"蠢猫1", ":/templates/15.jpg", 266, 266, 265, 265, kProgressive, kColour},
    {"蠢猫2", ":/templates/16.jpg", 264, 265, 265, 265, kProgressive, kColour},
    {"蘑菇头1", ":/templates/17.jpg", 290, 265, 290, 265, kBaseline, kColour},
    {"蘑菇头2", ":/templates/18.jpg", 206, 206, 206, 206, kBaseline, kColour},
    {"蘑菇头3", ":/templates/19.jpg", 208, 210, 208, 210, kBaseline, kColour},
    {"蘑菇头4", ":/templates/20.jpg", 220, 220, 220, 220, kBaseline, kColour},
    {"蘑菇头5", ":/templates/21.jpg", 220, 220, 220, 220, kBaseline, kColour},
    {"女生1", ":/templates/22.jpg", 220, 220, 220, 220, kBaseline, kColour},
    {"女生2", ":/templates/23.jpg", 220, 220, 220, 220, kBaseline, kColour},
    {"挑衅", ":/templates/24.jpg", 198, 198, 198, 198, kBaseline, kColour},
    {"蘑菇头6", ":/templates/25.jpg", 171, 163, 171, 163, kBaseline, kColour},
    {"蘑菇头7", ":/templates/26.jpg", 258, 253, 258, 253, kProgressive, kColour},
    {"熊猫头1", ":/templates/27.jpg", 400, 400, 400, 400, kProgressive, kColour},
    {"熊猫头2", ":/templates/28.jpg", 182, 198, 182, 198, kProgressive, kColour},
    {"女生3", ":/templates/29.jpg", 300, 300, 300, 300, kProgressive, kColour},
    {"蘑菇头8", ":/templates/30.jpg", 186, 198, 186, 198, kProgressive, kColour},
    {"蘑菇头9", ":/templates/31.jpg", 198, 175, 198, 175, kProgressive, kColour},
    {"理直气壮", ":/templates/32.jpg", 198, 193, 198, 193, kProgressive, kGrey},
    {"蘑菇头10", ":/templates/33.jpg", 125, 174, 125, 174, kProgressive, kColour},
    {"打脸", ":/templates/34.jpg", 205, 177, 205, 177, kProgressive, kColour},
    {"蘑菇头11", ":/templates/35.jpg", 300, 300, 300, 300, kProgressive, kColour},
    {"熊猫头3", ":/templates/36.jpg", 300, 300, 300, 300, kProgressive, kColour},
    {"茫然", ":/templates/37.jpg", 198, 187, 198, 187, kProgressive, kColour},
}};

}  // namespace

std::span<const TemplateEntry> TemplateCatalog() {
    return kCatalog;
}

}  // namespace qc
