// Fuzz helper: inputs that are whole files of several kinds, told apart by their type byte, in a program
// folder that exists only in the disk layer's memory.
#pragma once

#include <cstddef>
#include <cstdint>

// A program folder that is not on disk: nothing but the files held in memory is found, and nothing is saved.
inline const char* const kFuzzFolder = "/nonexistent-orbex-fuzz/";

// The kind whose type byte the file starts with; any other byte picks one by its value, so a file of the
// wrong type meets the check that refuses it.
template <typename Kind, size_t Count> const Kind& FuzzKindOf(const Kind (&myKinds)[Count], uint8_t myType) {
    for (const Kind& myKind : myKinds)
        if (myKind.mType == static_cast<char>(myType)) return myKind;
    return myKinds[myType % Count];
}
