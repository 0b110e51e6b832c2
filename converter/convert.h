// Converting an opened bitmap into a brush (.bru) or fill (.fil) file with the artist's settings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "converter/bitmap_reader.h"
#include "converter/settings.h"

constexpr int kConvertMaxTitle = 15;

// Builds the whole component file in memory.
ConvertResult ConvertBuild(const ConvertBitmap& myBitmap, const ConvertSettings& mySettings,
                           std::vector<uint8_t>& myFile);

// Checks a file title ("name.ext" or "name") and gives the stored file name: blanks become "_", and a title
// without extension gets the kind's (".bru" or ".fil").
ConvertResult ConvertCheckTitle(const std::string& myFileTitle, ConvertKind myKind, std::string& myFileName);

// Converts into myFolder/title, replacing a file of that name; myWrittenPath receives the path used.
ConvertResult ConvertSave(const ConvertBitmap& myBitmap, const ConvertSettings& mySettings,
                          const std::string& myFolder, const std::string& myFileTitle,
                          std::string* myWrittenPath = nullptr);
