// Saving a style: the record as it is, under its new name, through the scratch copy gStyleTemp.
#include <cstring>

#include "engine/animate.h"
#include "engine/style_apply.h"
#include "storage/file_disk.h"
#include "storage/format_bytes.h"

bool StyleSave(const char* myName, const StyleRecord& mySource) {
    if (!myName || !*myName) return false;
    if (&mySource != &gStyleTemp) std::memcpy(&gStyleTemp, &mySource, sizeof(StyleRecord));
    StyleCopy(gStyleTemp.mStyleName, myName);
    // Manual mode beats by hand: the style keeps no thresholds that would set the channels off by themselves.
    if (gStateManual) std::memset(gStyleTemp.mThreshold, 0, sizeof(gStyleTemp.mThreshold));
    return FileSaveInFolder(kPlaceStyle.mFolder, myName, kPlaceStyle.mExt, &gStyleTemp,
                            static_cast<int32_t>(kStyleSize));
}
