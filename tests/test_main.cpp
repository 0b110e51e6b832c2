// The test program's entry: before every test each module's state goes back to its start values, so no test
// depends on what another left behind, in whatever order they run (./test shuffles them).
#include <gtest/gtest.h>

#include "controls/draw.h"
#include "controls/help.h"
#include "controls/key.h"
#include "controls/mousekey.h"
#include "controls/popup_state.h"
#include "controls/text_field.h"
#include "core/alert.h"
#include "core/display.h"
#include "core/random.h"
#include "core/state.h"
#include "core/style_record.h"
#include "engine/animate.h"
#include "engine/brush.h"
#include "engine/brush_effect_program.h"
#include "engine/color_effect.h"
#include "engine/edits.h"
#include "engine/execute.h"
#include "engine/fill.h"
#include "engine/movement.h"
#include "engine/movement_program.h"
#include "music/music.h"
#include "platform/audioin.h"
#include "platform/cdaudio.h"
#include "platform/clock.h"
#include "platform/config.h"
#include "platform/palette.h"
#include "platform/platform.h"
#include "platform/present.h"
#include "platform/screens.h"
#include "platform/script.h"
#include "platform/text.h"
#include "platform/window.h"
#include "saver/agent.h"
#include "shell/display.h"
#include "shell/main.h"
#include "shell/options.h"
#include "shell/preferences.h"
#include "shell/program_folder.h"
#include "shell/render_out.h"
#include "sound/listen.h"
#include "sound/search.h"
#include "sound/sound_input.h"
#include "sound/tempo.h"
#include "storage/components.h"
#include "storage/file.h"
#include "storage/pop_list.h"

namespace {

// From the top of the program down, so what a module closes still finds the modules below it as they were.
void TestResetAllState() {
    MainResetState();
    AgentResetState();
    InitDisplayResetState();
    OptionsResetState();
    RenderOutResetState();
    PrefsResetState();
    ProgramFolderRelease();
    PopListResetState();
    TextFieldResetState();
    KeyResetState();
    MouseKeyResetState();
    HelpResetState();
    DrawResetState();
    PopupResetState();
    MusicResetState();
    SearchResetState();
    SoundInputResetState();
    ListenResetState();
    TempoResetState();
    AnimateResetState();
    BrushResetState();
    BrushEffectResetState();
    ColorEffectResetState();
    EditsResetState();
    ExecuteResetState();
    FillResetState();
    MovementResetState();
    MovementProgramResetState();
    ComponentsResetState();
    FileResetState();
    AlertResetState();
    DisplayResetState();
    RandomResetState();
    StateResetState();
    StyleResetState();
    ScriptResetState();
    WindowResetState();
    PresentResetState();
    ScreenResetState();
    AudioInResetState();
    CDAudioResetState();
    TextCloseFonts(); // the fonts are the text module's only state
    PaletteResetState();
    ConfigResetState();
    ClockResetState();
    PlatformResetState();
}

class ResetEveryModule : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { TestResetAllState(); }
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetEveryModule);
    InitHooks();
    return RUN_ALL_TESTS();
}
