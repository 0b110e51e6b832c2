// The help texts, kept as data: one text for each zone and the sentences that zones add by the state of the
// program.
#pragma once

#include <cstddef>
#include <cstdint>

struct HelpText {
    int32_t mZone;
    uint8_t mPanel;    // the panel this text is for where a zone reads differently by panel; 0 for any
    const char* mText; // the title, two carriage returns, the body
    const char* mKeys; // the keyboard's way to do the same, appended; nullptr when there is none
};

extern const HelpText kHelpTexts[];
extern const size_t kHelpTextCount;

// The sentences that several zones share or that follow the program's state. Those that begin with two
// carriage returns start a paragraph; those that begin with a blank continue the last one.
struct HelpSentences {
    const char* mManualAdvice; // the lists and colour bars
    const char* mPreview;      // the component popups
    const char* mScrolling;
    const char* mListeningOnly; // the sound scaling controls
    const char* mCounterTitle;  // after the column's name
    const char* mCounter;
    const char* mMeterTitle;
    const char* mMeter;
    const char* mTogether; // how counter and meter work together
    const char* mTriggerTitle;
    const char* mTrigger;
    const char* mTriggerFile;    // the columns that can load a file from disk
    const char* mColumnNames[6]; // columns 101 to 106 (102, the beat meter, has none)
    const char* mNoCD;           // the total song time without a disc
    const char* mLongName;       // the text field's length, by the name asked for
    const char* mShortName;
    const char* mEnter;
    const char* mPaused; // the play button
    const char* mStopped;
    const char* mListenOn;
    const char* mListenOff;
    const char* mManualOn;
    const char* mManualOff;
    const char* mTrailsOn;
    const char* mTrailsOff;
    const char* mRavePlaying;    // the tap panels while a rave plays back
    const char* mParameterTitle; // after the parameter's name
};

extern const HelpSentences kHelpSentences;
