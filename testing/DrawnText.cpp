#include "DrawnText.h"

namespace testing_harness {

namespace {

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    if (record->iType == EMR_EXTTEXTOUTA || record->iType == EMR_EXTTEXTOUTW) {
        const auto* text = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
        const char* chars = reinterpret_cast<const char*>(record) + text->emrtext.offString;
        std::string value;
        for (DWORD i = 0; i < text->emrtext.nChars; ++i)
            value += record->iType == EMR_EXTTEXTOUTA ? chars[i] : char(reinterpret_cast<const WCHAR*>(chars)[i]);
        reinterpret_cast<std::vector<DrawnText>*>(data)->push_back(
            {value, {text->emrtext.ptlReference.x, text->emrtext.ptlReference.y}});
    }
    return 1;
}

}  // namespace

std::vector<DrawnText> TextsDrawnBy(const std::function<void(HDC)>& paint) {
    HDC screen = ::GetDC(nullptr);
    HDC metafile = ::CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
    ::ReleaseDC(nullptr, screen);
    paint(metafile);
    HENHMETAFILE picture = ::CloseEnhMetaFile(metafile);
    std::vector<DrawnText> texts;
    ::EnumEnhMetaFile(nullptr, picture, CollectText, &texts, nullptr);
    ::DeleteEnhMetaFile(picture);
    return texts;
}

}  // namespace testing_harness
