// Loading a chosen file into a slot or an effect, guarded by the brushes' attachments.
#pragma once

#include <cstdint>

#include "engine/kinds.h"

// Attachment fields by their place in a brush's attachment record.
constexpr uint8_t kAttachFieldGradient = 1;
constexpr uint8_t kAttachFieldFill = 2;
constexpr uint8_t kAttachFieldMove = 4;
constexpr uint8_t kAttachFieldBrushEffect = 14;
constexpr uint8_t kAttachFieldBrushColorEffect = 30;
constexpr uint8_t kAttachFieldFillColorEffect = 46;

// True (after its alert) when an attachment refuses the change. Mode 0: a brush has myValue attached in that
// field; modes 1 (effects) and 2 (sets): a brush has anything attached there.
bool PopCheckAttachments(uint8_t myValue, uint8_t myField, uint8_t myMode);

// Loads into slot mySlot (0-based); myFlag is 2 when Alt was held (the load takes the place of the earlier
// one in the rave), else 1. A slot that is the current one is selected again.
void PopLoadGradient(const char* myName, char mySlot, uint8_t myFlag);
void PopLoadFill(const char* myName, char mySlot, uint8_t myFlag);
void PopLoadBrush(const char* myName, char mySlot, uint8_t myFlag);
void PopLoadMovement(const char* myName, char mySlot, uint8_t myFlag);
void PopLoadBCEffect(const char* myName, uint8_t myFlag);
void PopLoadFCEffect(const char* myName, uint8_t myFlag);
void PopLoadBEffect(const char* myName, uint8_t myFlag);
// The load above that belongs to a component kind; mySlot only counts for the kinds with slots.
void PopLoadKind(const ComponentKind& myKind, const char* myName, int mySlot, uint8_t myFlag);
