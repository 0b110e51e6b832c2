// Fonts and text drawing for 8-bit surfaces.
#include "platform/text.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <string>

namespace {
TTF_Font* sFonts[kFontSlots] = {};
bool sTTFStarted = false;

std::string TextFindFontFile(const char* myFamily) {
    std::string myPath;
    if (!FcInit()) return myPath;
    FcPattern* myPattern = FcNameParse(reinterpret_cast<const FcChar8*>(myFamily));
    if (!myPattern) return myPath;
    FcConfigSubstitute(nullptr, myPattern, FcMatchPattern);
    FcDefaultSubstitute(myPattern);
    FcResult myResult = FcResultNoMatch;
    FcPattern* myMatch = FcFontMatch(nullptr, myPattern, &myResult);
    if (myMatch) {
        FcChar8* myFile = nullptr;
        if (FcPatternGetString(myMatch, FC_FILE, 0, &myFile) == FcResultMatch && myFile)
            myPath = reinterpret_cast<const char*>(myFile);
        FcPatternDestroy(myMatch);
    }
    FcPatternDestroy(myPattern);
    return myPath;
}

bool TextValid(int mySlot) {
    return mySlot >= 0 && mySlot < kFontSlots && sFonts[mySlot];
}

void TextBlit(Surface& myDest, int myX, int myY, SDL_Surface* myGlyphs, uint8_t myIndex) {
    // Solid rendering gives an 8-bit picture whose index 0 is the background; copied by hand so the text
    // takes exactly the palette index asked for.
    for (int myRow = 0; myRow < myGlyphs->h; ++myRow) {
        const int myDestY = myY + myRow;
        if (myDestY < 0 || myDestY >= myDest.mHeight) continue;
        const auto* mySource = static_cast<const uint8_t*>(myGlyphs->pixels) + myRow * myGlyphs->pitch;
        uint8_t* myLine = myDest.Row(myDestY);
        for (int myColumn = 0; myColumn < myGlyphs->w; ++myColumn) {
            const int myDestX = myX + myColumn;
            if (myDestX >= 0 && myDestX < myDest.mWidth && mySource[myColumn]) myLine[myDestX] = myIndex;
        }
    }
}
} // namespace

bool TextOpenFont(int mySlot, const char* myFamily, int myPixelHeight) {
    if (mySlot < 0 || mySlot >= kFontSlots) return false;
    if (!sTTFStarted) {
        if (TTF_Init() != 0) return false;
        sTTFStarted = true;
    }
    if (sFonts[mySlot]) TTF_CloseFont(sFonts[mySlot]);
    sFonts[mySlot] = nullptr;
    const std::string myFile = TextFindFontFile(myFamily);
    if (myFile.empty()) {
        TTF_SetError("no font is installed for \"%s\"", myFamily);
        return false;
    }
    sFonts[mySlot] = TTF_OpenFont(myFile.c_str(), myPixelHeight);
    return sFonts[mySlot] != nullptr;
}

void TextCloseFonts() {
    for (TTF_Font*& myFont : sFonts) {
        if (myFont) TTF_CloseFont(myFont);
        myFont = nullptr;
    }
    if (sTTFStarted) TTF_Quit();
    sTTFStarted = false;
}

bool TextFontOpen(int mySlot) {
    return TextValid(mySlot);
}

int TextWidth(int mySlot, const char* myText) {
    int myWidth = 0;
    if (TextValid(mySlot) && myText && *myText) TTF_SizeUTF8(sFonts[mySlot], myText, &myWidth, nullptr);
    return myWidth;
}

int TextLineHeight(int mySlot) {
    return TextValid(mySlot) ? TTF_FontLineSkip(sFonts[mySlot]) : 0;
}
int TextAscent(int mySlot) {
    return TextValid(mySlot) ? TTF_FontAscent(sFonts[mySlot]) : 0;
}

void TextDraw(Surface& mySurface, int mySlot, int myX, int myY, const char* myText, uint8_t myIndex) {
    if (!TextValid(mySlot) || !myText || !*myText || !mySurface.Exists()) return;
    SDL_Color myWhite{255, 255, 255, 255};
    SDL_Surface* myGlyphs = TTF_RenderUTF8_Solid(sFonts[mySlot], myText, myWhite);
    if (!myGlyphs) return;
    TextBlit(mySurface, myX, myY, myGlyphs, myIndex);
    SDL_FreeSurface(myGlyphs);
}

void TextDrawCentered(Surface& mySurface, int mySlot, const Rect& myRect, const char* myText,
                      uint8_t myIndex) {
    const int myX = myRect.left + (myRect.Width() - TextWidth(mySlot, myText)) / 2;
    const int myY = myRect.top + (myRect.Height() - TextLineHeight(mySlot)) / 2;
    TextDraw(mySurface, mySlot, myX, myY, myText, myIndex);
}

void TextDrawWrapped(Surface& mySurface, int mySlot, const Rect& myRect, const char* myText,
                     uint8_t myIndex) {
    if (!TextValid(mySlot) || !myText) return;
    const std::string myAll(myText);
    int myY = myRect.top;
    size_t myStart = 0;
    while (myStart < myAll.size()) {
        // Take words while they fit; a single word wider than the band stands on a line of its own.
        size_t myEnd = myStart;
        size_t myBreak = std::string::npos;
        while (myEnd < myAll.size() && myAll[myEnd] != '\n') {
            size_t myWordEnd = myAll.find_first_of(" \n", myEnd + 1);
            if (myWordEnd == std::string::npos) myWordEnd = myAll.size();
            const std::string myTry = myAll.substr(myStart, myWordEnd - myStart);
            if (myBreak != std::string::npos && TextWidth(mySlot, myTry.c_str()) > myRect.Width()) break;
            myBreak = myWordEnd;
            myEnd = myWordEnd;
        }
        if (myBreak == std::string::npos) myBreak = myEnd;
        TextDraw(mySurface, mySlot, myRect.left, myY, myAll.substr(myStart, myBreak - myStart).c_str(),
                 myIndex);
        myY += TextLineHeight(mySlot);
        myStart = myBreak;
        while (myStart < myAll.size() && (myAll[myStart] == ' ' || myAll[myStart] == '\n')) {
            if (myAll[myStart] == '\n' && myStart > myBreak) myY += TextLineHeight(mySlot);
            ++myStart;
        }
    }
}
