// The drawing files' own state, put back to its start by DrawResetState.
#pragma once

void DrawWindowResetState();
void DrawPanelResetState();
void DrawListsResetState();
void DrawMetersResetState();
void DrawLiveResetState();
