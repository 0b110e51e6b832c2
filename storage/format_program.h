// The movement (.mvm) and effect (.efc, .efb) file layout, their code block, and the words of the three
// program languages: what the loaders read, the interpreters run and the assembler writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "storage/format_bytes.h"

#pragma pack(push, 1)
struct MoveHeader {
    ComponentHeader mHeader; // 'M'
    uint8_t mUnread[2];
    uint8_t mIconSize[2];
};
struct EffectHeader {
    ComponentHeader mHeader; // 'C' colour effect, 'E' brush effect
    uint8_t mUnread;
};
// After a movement's parameters, or an effect's description: three program sizes, then the programs.
struct CodeSizes {
    uint8_t mInit[2];
    uint8_t mReset[2];
    uint8_t mUpdate[2];
};
// One instruction: four words, high byte first.
struct ProgramInstruction {
    uint8_t mDest[2];
    uint8_t mA[2];
    uint8_t mB[2];
    uint8_t mOperation[2];
};
#pragma pack(pop)

constexpr int kMoveHeaderSize = 7;
constexpr int kEffectHeaderSize = 4;
static_assert(sizeof(MoveHeader) == kMoveHeaderSize);
static_assert(offsetof(MoveHeader, mIconSize) == 5);
static_assert(sizeof(EffectHeader) == kEffectHeaderSize);

// The bytes between a header and what the loaders read: the component's own description, zero-padded,
// which this program never reads and the assembler fills.
constexpr int kMoveDescriptionSize = 120;
constexpr int kEffectDescriptionSize = 90;
constexpr int kMoveIconAt = kMoveHeaderSize + kMoveDescriptionSize;
constexpr int kEffectCodeAt = kEffectHeaderSize + kEffectDescriptionSize;
static_assert(kMoveIconAt == 127 && kEffectCodeAt == 94);

// A movement's icon (24 x 24, each byte one pixel or, for 21-200, a run of that many minus 19 black
// pixels), then its centred flag, parameter count, minima, maxima, default fixed flags, names and
// descriptions, each list as long as the count.
constexpr int kMoveIconSide = 24;
constexpr int kMaxParams = 3;
constexpr int kParamNameSize = 24;
constexpr int kParamDescSize = 120;
constexpr int kParamBytes = 3 + kParamNameSize + kParamDescSize;

constexpr int kCodeSizesBytes = 6;
constexpr int kInstructionBytes = 8;
static_assert(sizeof(CodeSizes) == kCodeSizesBytes);
static_assert(sizeof(ProgramInstruction) == kInstructionBytes);
static_assert(offsetof(ProgramInstruction, mA) == 2 && offsetof(ProgramInstruction, mB) == 4 &&
              offsetof(ProgramInstruction, mOperation) == 6);

// ---- Words --------------------------------------------------------------------------------------------
// A word names an operand or an operation by two letters; a number literal is its value in the high byte;
// variables and parameters count up from their bases.

constexpr uint16_t ProgramWord(char myHigh, char myLow) {
    return static_cast<uint16_t>((static_cast<uint8_t>(myHigh) << 8) | static_cast<uint8_t>(myLow));
}
constexpr uint16_t ProgramLiteral(int myValue) {
    return static_cast<uint16_t>(myValue << 8);
}
// The interpreters read both bytes sign-extended, as the programs were always read.
constexpr int16_t ProgramReadWord(const uint8_t* myAt) {
    return static_cast<int16_t>(static_cast<int8_t>(myAt[0]) * 256 + static_cast<int8_t>(myAt[1]));
}
inline void ProgramAddInstruction(std::vector<uint8_t>& myCode, uint16_t myDest, uint16_t myA, uint16_t myB,
                                  uint16_t myOperation) {
    for (uint16_t myWord : {myDest, myA, myB, myOperation})
        BytesAddWord(myCode, myWord);
}

constexpr uint16_t kVariableBase = 0x7E00;
constexpr uint16_t kParameterBase = 0x7F00;

// Operands of movements and brush effects.
constexpr uint16_t kWordX = ProgramWord('x', 'p');
constexpr uint16_t kWordY = ProgramWord('y', 'p');
constexpr uint16_t kWordCentreX = ProgramWord('x', 'c');
constexpr uint16_t kWordCentreY = ProgramWord('y', 'c');
constexpr uint16_t kWordSound = ProgramWord('v', 's');
// Movements only.
constexpr uint16_t kWordSame = ProgramWord('l', 'c'); // as a destination: the previous instruction's
constexpr uint16_t kWordSpread = ProgramWord('s', 'p');
constexpr uint16_t kWordBrushBottom = ProgramWord('b', 'h');
constexpr uint16_t kWordBrushRight = ProgramWord('b', 'w');
constexpr uint16_t kWordFrameHeight = ProgramWord('f', 'h');
constexpr uint16_t kWordFrameCount = ProgramWord('f', 'n');
constexpr uint16_t kWordFrameWidth = ProgramWord('f', 'w');
constexpr uint16_t kWordPi = ProgramWord('p', 'i');
constexpr double kProgramPi = 3.14159265358979; // what pi reads, and the sine operations' half turn
// Brush effects only.
constexpr uint16_t kWordScale = ProgramWord('b', 's');
// Colour effects: the value word may name the current brush or fill colour.
constexpr uint16_t kWordBrushColor = ProgramWord('b', 'c');
constexpr uint16_t kWordFillColor = ProgramWord('f', 'c');

// Operations of movements and brush effects.
constexpr uint16_t kOpStore = ProgramWord('S', 'T');
constexpr uint16_t kOpSum = ProgramWord('S', 'M');
constexpr uint16_t kOpDifference = ProgramWord('D', 'F');
constexpr uint16_t kOpProduct = ProgramWord('P', 'R');
constexpr uint16_t kOpQuotient = ProgramWord('Q', 'U');
// Movements only.
constexpr uint16_t kOpFloorQuotient = ProgramWord('I', 'Q');
constexpr uint16_t kOpModulo = ProgramWord('M', 'O');
constexpr uint16_t kOpPower = ProgramWord('P', 'W');
constexpr uint16_t kOpAbsolute = ProgramWord('A', 'B');
constexpr uint16_t kOpSine = ProgramWord('S', 'P');
constexpr uint16_t kOpCosine = ProgramWord('C', 'P');
constexpr uint16_t kOpSineCycle = ProgramWord('S', 'S');
constexpr uint16_t kOpCosineCycle = ProgramWord('C', 'S');
constexpr uint16_t kOpAngle = ProgramWord('G', 'S');
constexpr uint16_t kOpRandom = ProgramWord('R', 'N');
constexpr uint16_t kOpRandomX = ProgramWord('R', 'X');
constexpr uint16_t kOpRandomY = ProgramWord('R', 'Y');
constexpr uint16_t kOpScreenRatio = ProgramWord('S', 'R');
constexpr uint16_t kOpWrapX = ProgramWord('W', 'H');
constexpr uint16_t kOpWrapY = ProgramWord('W', 'V');
constexpr uint16_t kOpIfEqual = ProgramWord('I', 'E');
constexpr uint16_t kOpIfGreater = ProgramWord('I', 'G');
constexpr uint16_t kOpIfOutside = ProgramWord('I', 'O');
constexpr uint16_t kOpLinger = ProgramWord('S', 'I');
constexpr uint16_t kOpLingerNegated = ProgramWord('S', 'E');
// Brush effects only.
constexpr uint16_t kOpAddInverse = ProgramWord('A', 'F');
constexpr uint16_t kOpBrushSine = ProgramWord('S', 'D');
constexpr uint16_t kOpBrushCosine = ProgramWord('C', 'D');
constexpr uint16_t kOpHypotenuse = ProgramWord('H', 'P');
// Colour effects: each instruction is a value word and an operation word.
constexpr uint16_t kOpColorDestination = ProgramWord('S', 'D');
constexpr uint16_t kOpColorHue = ProgramWord('S', 'H');
constexpr uint16_t kOpColorNoRed = ProgramWord('S', 'C');
constexpr uint16_t kOpColorSaturation = ProgramWord('S', 'S');
constexpr uint16_t kOpColorDim = ProgramWord('Q', 'V');

// ---- The three languages, as the assembler and disassembler spell them -------------------------------

struct ProgramOperation {
    uint16_t mWord;
    uint8_t mSkip; // 1 or 2: operand A or B counts instructions to skip; 0: none
};

struct ProgramLanguage {
    char mType; // the file's type character
    std::span<const uint16_t> mOperands;
    std::span<const uint16_t> mDestinations; // besides the variables
    int mVariables;
    int mParameters;
    std::span<const ProgramOperation> mOperations;
};

inline constexpr uint16_t kMoveOperands[] = {
    kWordX,           kWordY,          kWordCentreX,     kWordCentreY,    kWordSpread,     kWordSound,
    kWordBrushBottom, kWordBrushRight, kWordFrameHeight, kWordFrameCount, kWordFrameWidth, kWordPi};
inline constexpr uint16_t kMoveDestinations[] = {kWordSame, kWordX, kWordY};
inline constexpr ProgramOperation kMoveOperations[] = {
    {kOpStore, 0},         {kOpSum, 0},       {kOpDifference, 0},  {kOpProduct, 0},  {kOpQuotient, 0},
    {kOpFloorQuotient, 0}, {kOpModulo, 0},    {kOpPower, 0},       {kOpAbsolute, 0}, {kOpSine, 0},
    {kOpCosine, 0},        {kOpSineCycle, 0}, {kOpCosineCycle, 0}, {kOpAngle, 0},    {kOpRandom, 0},
    {kOpRandomX, 0},       {kOpRandomY, 0},   {kOpScreenRatio, 0}, {kOpWrapX, 0},    {kOpWrapY, 0},
    {kOpIfEqual, 2},       {kOpIfGreater, 2}, {kOpIfOutside, 1},   {kOpLinger, 0},   {kOpLingerNegated, 0}};
inline constexpr uint16_t kColorOperands[] = {kWordBrushColor, kWordFillColor};
inline constexpr ProgramOperation kColorOperations[] = {{kOpColorDestination, 0},
                                                        {kOpColorHue, 0},
                                                        {kOpColorNoRed, 0},
                                                        {kOpColorSaturation, 0},
                                                        {kOpColorDim, 0}};
inline constexpr uint16_t kBrushOperands[] = {kWordScale,   kWordSound, kWordCentreX,
                                              kWordCentreY, kWordX,     kWordY};
inline constexpr uint16_t kBrushDestinations[] = {kWordScale};
inline constexpr ProgramOperation kBrushOperations[] = {
    {kOpStore, 0},      {kOpSum, 0},       {kOpDifference, 0},  {kOpProduct, 0},   {kOpQuotient, 0},
    {kOpAddInverse, 0}, {kOpBrushSine, 0}, {kOpBrushCosine, 0}, {kOpHypotenuse, 0}};

constexpr int kMoveVariables = 12;
constexpr int kBrushVariables = 4;

inline constexpr ProgramLanguage kLanguageMovement{kTypeMovement,  kMoveOperands, kMoveDestinations,
                                                   kMoveVariables, kMaxParams,    kMoveOperations};
inline constexpr ProgramLanguage kLanguageColorEffect{kTypeColorEffect, kColorOperands, {}, 0, 0,
                                                      kColorOperations};
inline constexpr ProgramLanguage kLanguageBrushEffect{
    kTypeBrushEffect, kBrushOperands, kBrushDestinations, kBrushVariables, 0, kBrushOperations};
