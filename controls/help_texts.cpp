// The words of the help window: what every control of the controls window is for, how to use it and its
// keys. This is the manual; each text is its zone's title, two carriage returns and the body.
#include "controls/help_texts.h"

#include "controls/draw.h"
#include "controls/help.h"

const HelpText kHelpTexts[] = {
    // Nowhere in particular.
    {kHelpZoneNothing, 0,
     "Place cursor over button...\r\rRest the mouse on any button, box, list or slider of this window and "
     "this window explains it. Help opens and closes with the Help button, the / or ? key, or F1.\r\rOrbex "
     "listens to your music, finds the beat and paints a picture that moves with it: brushes travel along "
     "movements over a fill, in the colors of a gradient. On counted beats the triggers bring new ones. "
     "The Drawing Controls button opens everything that shapes the picture.\r\rEverything you change while "
     "a song plays can be saved as a rave and replays with that song.",
     nullptr},
    {kHelpZoneOutside, 0,
     "Click to hide/show controls\r\rA click on the picture hides the controls window, and a second click "
     "brings it back, so nothing stands between you and the picture.",
     " The space bar does the same."},
    {kHelpZoneStrip, 0,
     "Shortcut Help Display\r\rThis strip names whatever the cursor is over, even with help closed.\r\r"
     "Keys: a number typed before a key gives its value: 12 then C picks color 12. Shift with a key or a "
     "click cues the change instead of making it; Enter makes every cued change at once, and Ctrl with the "
     "same key takes a cue back. Alt with a key also rewrites the rave's earlier value.\r\rCtrl+digit, the "
     "first letters of a name, Ctrl+digit loads a file by name: 1 styles, 2 gradients, 3 fills, 4 brushes, "
     "5 movements, 6 and 7 color effects, 8 brush effects; the closing digit picks the slot.",
     nullptr},

    // The main buttons.
    {HelpButtonZone(kButtonQuit), 0,
     "Quit Orbex\r\rEnds Orbex. Your settings are kept as the style \"Last_Session\" and come back the "
     "next time you start it.",
     "\r\rKey: Escape or Q."},
    {HelpButtonZone(kButtonEject), 0,
     "Eject CD\r\rEjects the disc: its music stops and Orbex goes on with its silent clock. With no disc "
     "in, a click opens the tray and the next click closes it again.",
     nullptr},
    {HelpButtonZone(kButtonPrevious), 0, "Previous Track\r\rGoes back to the track before this one.",
     "\r\rKey: the Left arrow. Type a track number first (for example 5 and Left arrow) to jump straight to "
     "it."},
    {HelpButtonZone(kButtonRewind), 0,
     "Rewind\r\rHold the mouse button down to move back through the song; the picture keeps running "
     "meanwhile. Let go to play on from there.",
     nullptr},
    {HelpButtonZone(kButtonStop), 0,
     "Stop CD\r\rStops the music and goes back to the start of the track. The picture goes on.", nullptr},
    {HelpButtonZone(kButtonPlay), 0,
     "Play\r\rStarts the music: the current track of the CD, the disc image or the music folder. While no "
     "disc is there, Orbex runs a silent clock of nine one-minute tracks so raves still work.",
     "\r\rKey: P."},
    {kHelpZonePause, 0,
     "Pause\r\rA song is playing: click to pause it. Click again, or press P, to go on from the same "
     "place. The picture keeps moving while the music rests.",
     "\r\rKey: P."},
    {HelpButtonZone(kButtonForward), 0,
     "Fastforward\r\rHold the mouse button down to move forward through the song; the picture keeps "
     "running meanwhile. Let go to play on from there.",
     nullptr},
    {HelpButtonZone(kButtonNext), 0, "Next Track\r\rSkips to the next track.",
     "\r\rKey: the Right arrow. Type a track number first (for example 12 and Right arrow) to jump straight "
     "to it."},
    {HelpButtonZone(kButtonListen), 0,
     "Enable Listening\r\rWhen the button is lit, Orbex listens to the sound input and finds the beat in "
     "the music itself. When it is dark, Orbex makes its own steady beats at the tempo you set in the BEATS "
     "PER MINUTE panel.",
     "\r\rKey: L."},
    {HelpButtonZone(kButtonExpand), 0,
     "Drawing Controls\r\rOpens or closes the big controls: the settings panel, the lists of gradients, "
     "fills, brushes and movements, the colors, the beat meter and the beat counters. Just resting the "
     "cursor on this button opens them for a look; they close again when the cursor leaves, unless you "
     "click.",
     nullptr},
    {HelpButtonZone(kButtonPaint), 0,
     "Animation Window\r\rOpens or closes the full-screen picture. With the picture closed, Orbex keeps "
     "playing music and the small controls stay on the desktop.",
     "\r\rKey: V."},
    {HelpButtonZone(kButtonTrails), 0,
     "Enable Brush Trails\r\rWith trails on, brushes leave their marks behind them as they travel, building "
     "up a painting; with trails off, only the brushes of this moment show over the fill.",
     "\r\rKey: A. Shift+A cues the change for later (Enter makes it)."},
    {HelpButtonZone(kButtonWipe), 0,
     "Erase Brush Trails\r\rWipes the trails off the picture at once, leaving the clean fill to paint on "
     "again.",
     "\r\rKey: W. Shift+W cues the wipe (Enter makes it)."},
    {HelpButtonZone(kButtonHelp), 0,
     "Help\r\rOpens or closes this help window. With help open, rest the cursor on anything in the controls "
     "window to read what it does.",
     "\r\rKey: / or ? or F1."},

    // The second row.
    {348, 0,
     "Song or Rave Popup\r\rShows the track playing and its title. When it says \"Rave:\" in blue, a rave "
     "is attached: everything you changed while this song played last time replays in time with it.\r\rClick "
     "for the menu: name the CD, set the song title, save and attach a new rave, detach one, delete raves, "
     "or pick a saved rave to replay.",
     "\r\rKey: = saves the attached rave under its name."},
    {kHelpZoneManual, 0,
     "Manual Control\r\rIn manual mode the beat counters stop changing the picture: only you do, with the "
     "mouse and the keys. The counters grey out while it is on. Good for playing with the controls.",
     "\r\rKey: H."},
    {312, 0,
     "Style Popup\r\rA style is everything at once: all loaded gradients, fills, brushes and movements, "
     "their settings and the beat counters. Click to load one of your styles, save the present look as a new "
     "style, or delete styles.",
     "\r\rKey: ; saves the present look as a style. Ctrl+1, the first letters of a name, Ctrl+1 loads one."},
    {313, 0,
     "Orbex Settings Popup\r\rOpens the menu of settings panels: CD, gradients, colors, brushes, movements, "
     "sound input, frequency, beats per minute, manual and patterned beats, the screen saver and the three "
     "sound scaling panels. The chosen panel shows in this box.",
     nullptr},

    // The settings panels, by their title bands and column icons.
    {100, 0,
     "CD Settings\r\rOpens the CD SETTINGS panel: the CD's name and its RaveSets, the track, the song's "
     "elapsed and total time, and the volume.",
     nullptr},
    {101, 0,
     "Color Settings\r\rOpens the COLOR SETTINGS panel: the brush and fill color effects, which tint and "
     "flash the two color ranges, and the color kick. Their menus also reach brightness and saturation.",
     nullptr},
    {103, 0,
     "Gradient Settings\r\rOpens the GRADIENT SETTINGS panel: gradient sets (eight gradients saved and "
     "loaded together) and the color speed, how fast the colors cycle.",
     nullptr},
    {104, 0,
     "Fill Settings\r\rOpens the FILL SETTINGS panel, where you save and load fill sets: six fills together.",
     nullptr},
    {105, 0,
     "Brush Settings\r\rOpens the BRUSH SETTINGS panel: brush sets (six brushes with their attachments), the "
     "brush effect that moves and scales the brushes, and the brush speed.",
     nullptr},
    {106, 0,
     "Movement Settings\r\rOpens the MOVEMENT SETTINGS panel: movement sets (six movements together) and the "
     "movement spread, how far apart the brushes travel.",
     nullptr},
    {107, 0,
     "Sound Input Settings\r\rThe SOUND INPUT panel chooses what Orbex listens to: a microphone, line in, "
     "the music your desktop plays, or the CD Orbex plays itself. Search finds a source that has sound.",
     nullptr},
    {108, 0,
     "Frequency Settings\r\rWhile listening, opens the FREQUENCY SETTINGS panel: the pitch Orbex listens to "
     "for the beat, with a live picture of the sound. Low notes such as a bass drum usually work best.",
     nullptr},
    {109, 0,
     "Beats Per Minute\r\rWhile not listening, opens the BEATS PER MINUTE panel: the steady tempo of the "
     "beats Orbex makes itself.",
     nullptr},
    {110, 0,
     "Manual Beats\r\rThe MANUAL BEATS panel finds a tempo from your clicks: click Beat in time with the "
     "music, then Apply. Align puts the beat on your click without changing the tempo.",
     nullptr},
    {111, 0,
     "Patterned Beats\r\rThe PATTERNED BEATS panel repeats a rhythm of up to nine taps: click Beat in the "
     "rhythm you want, then Apply, and Orbex plays that pattern over and over.",
     nullptr},
    {112, 0,
     "Screen Saver Settings\r\rThe SCREEN SAVER panel makes Orbex your desktop's screen saver, chooses "
     "whether it plays the CD when it starts, and after how many idle minutes it starts.",
     nullptr},
    {113, 0,
     "Sound Scaling Fade Settings\r\rLoud sound makes the brushes grow (sound scaling). This panel sets how "
     "quickly they shrink back when the sound gets quieter.",
     nullptr},
    {114, 0,
     "Scaling Threshold Settings\r\rThis panel sets how loud the sound must be before the brushes start to "
     "grow with it.",
     nullptr},
    {115, 0,
     "Max Scaling Fade Settings\r\rThis panel sets the longest time the brushes take to shrink back after a "
     "loud moment.",
     nullptr},
    {116, 0,
     "Parameter Details\r\rThe PARAMETER DETAILS panel shows one setting of a movement, from the movement's "
     "menu in the MOVEMENTS list. Fix it at a value with the slider, or let Orbex choose it anew each time "
     "the movement starts.",
     nullptr},

    // The CD column.
    {310, 0,
     "CD Drive Popup\r\rChoose where the music comes from: a CD drive, a disc image or a music folder. "
     "\"Open Folder or Image...\" takes a path you type in the TEXT ENTRY panel.",
     nullptr},
    {kHelpZoneTrack, 0, "Track Number\r\rThe number of the track playing; blank when there is no track.",
     "\r\rKeys: the Left and Right arrows change the track; type a number first to jump to that track."},

    // The colours.
    {2, 0,
     "Brush Color\r\rThe bar holds the 120 colors of the color wheel; the small marker shows the brush "
     "color. Click the bar to pick one: it turns the whole color range of the brushes. A red marker is a "
     "cued color, waiting for Enter.",
     "\r\rKey: C picks a color by the trigger setting; type a number from 1 to 120 first for that color. O "
     "picks new brush and fill colors."},
    {3, 0,
     "Fill Color\r\rThe bar holds the 120 colors of the color wheel; the marker shows the fill color. Click "
     "the bar to pick one: it turns the whole color range of the fill. A red marker is a cued color.",
     "\r\rKey: K picks a color by the trigger setting; type a number from 1 to 120 first for that color."},
    {303, 0,
     "Brush Color Effect Popup\r\rChoose a brush color effect: a program that tints, flashes and bends the "
     "brush colors with the music. Brightness... and Saturation... open their own sliders.",
     "\r\rKey: Ctrl+6, the first letters of a name, Ctrl+6 loads one."},
    {305, 0,
     "Fill Color Effect Popup\r\rChoose a fill color effect: a program that tints, flashes and bends the "
     "fill colors with the music. Brightness... and Saturation... open their own sliders.",
     "\r\rKey: Ctrl+7, the first letters of a name, Ctrl+7 loads one."},
    {14, 0,
     "Color Kick\r\rThe color kick in percent: how far the colors jump on each beat. Negative values kick "
     "the other way round the wheel.",
     "\r\rKey: type -50 to 50, then J."},
    {464, 0,
     "Color Kick Slider\r\rDrag to set the color kick, from -50 to 50 percent: how far the colors jump on "
     "each beat. 0 means no kick. Shift-drag cues the value; Ctrl-click takes a cue back.",
     "\r\rKey: type -50 to 50, then J."},
    {25, 0, "Brush Brightness\r\rHow bright the brush colors are, in percent.", nullptr},
    {406, 0,
     "Brush Brightness Slider\r\rDrag to make the brush colors darker (left) or brighter (right), from 0 to "
     "100 percent.",
     nullptr},
    {26, 0, "Fill Brightness\r\rHow bright the fill colors are, in percent.", nullptr},
    {407, 0,
     "Fill Brightness Slider\r\rDrag to make the fill colors darker (left) or brighter (right), from 0 to "
     "100 percent.",
     nullptr},
    {27, 0, "Brush Saturation\r\rHow strong the brush colors are, in percent: 0 is grey.", nullptr},
    {408, 0,
     "Brush Saturation Slider\r\rDrag towards grey (left) or towards full, strong colors (right), from 0 to "
     "100 percent.",
     nullptr},
    {28, 0, "Fill Saturation\r\rHow strong the fill colors are, in percent: 0 is grey.", nullptr},
    {409, 0,
     "Fill Saturation Slider\r\rDrag towards grey (left) or towards full, strong colors (right), from 0 to "
     "100 percent.",
     nullptr},

    // The beat meter.
    {kHelpZoneMeter, 0,
     "Beat Meter\r\rShows the loudness of the pitch Orbex listens to, as a growing bar. A beat is found when "
     "the sound jumps up; the threshold meters of the columns compare their marks with this bar.",
     nullptr},
    {kHelpZoneBeatLamp, 0,
     "Beat Indicator\r\rLights on every beat. Click it to add a beat of your own right now.",
     "\r\rKey: I adds a beat."},
    {kHelpZoneFrequencyButton, 0,
     "Listen To Frequency\r\rFinds the beat in one pitch of the music, set in the FREQUENCY SETTINGS panel. "
     "Best for music with a clear drum. Shift-click cues the change; Enter makes it.",
     nullptr},
    {kHelpZoneVolumeButton, 0,
     "Listen to Volume\r\rFinds the beat in the loudness of the whole sound instead of one pitch. Try it "
     "for music without drums. Shift-click cues the change; Enter makes it.",
     nullptr},
    {600, 0,
     "Beat Sensitivity Slider\r\rHow easily a sound counts as a beat. Drag right for more beats (the "
     "\"Maximum\" end), left for only the strongest ones.",
     nullptr},

    // The gradients.
    {1, 0,
     "Gradients\r\rThe eight loaded gradients: the color ranges the picture is painted in. The framed one "
     "is in use. Click a name to use it; Shift-click cues it (red frame), Ctrl-click takes the cue back.",
     "\r\rKey: type 1 to 8, then G. G alone chooses by the trigger setting."},
    {308, 0,
     "Gradients Popup\r\rThe arrow at the end of a row opens the gradient files: choose one to load it into "
     "this row.",
     nullptr},
    {kHelpZonePreviewArrows, 0,
     "Gradient Preview\r\rClick the small arrow beside a gradient to see its colors in the strip at the "
     "right, cycling as they would in the picture.",
     nullptr},
    {kHelpZonePreviewStrip, 0,
     "Gradient Preview Display\r\rShows the colors of the gradient you preview, from its arrow or from the "
     "gradients menu. Blue means no preview.",
     nullptr},

    // Fills, brushes, movements.
    {4, 0,
     "Fills\r\rThe six loaded fills: the background pictures the brushes paint over. The framed one is in "
     "use. Click a name to use it; Shift-click cues it, Ctrl-click takes the cue back.",
     "\r\rKey: type 1 to 6, then F. F alone chooses by the trigger setting."},
    {300, 0,
     "Fills Popup\r\rThe arrow at the end of a row opens the fill files: choose one to load it into this "
     "row, or (None) for a plain black fill.",
     nullptr},
    {10, 0,
     "Brushes\r\rThe six loaded brushes: the shapes that travel over the picture. The framed one is in use. "
     "Click a name to use it; Shift-click cues it, Ctrl-click takes the cue back.",
     "\r\rKey: type 1 to 6, then B. U makes a whole new picture."},
    {301, 0,
     "Brushes Popup\r\rThe arrow at the end of a row opens the brush files: choose one to load it. "
     "Attachments... ties a fill, gradient, movement or effect to this brush.",
     nullptr},
    {9, 0,
     "Movements\r\rThe six loaded movements: the paths the brushes follow. The framed one is in use. Click a "
     "name to use it; Shift-click cues it, Ctrl-click takes the cue back.",
     "\r\rKey: type 1 to 6, then M. X, Y and Z set its settings."},
    {302, 0,
     "Movements Popup\r\rThe arrow at the end of a row opens the movement files: choose one to load it. The "
     "items above the line open the PARAMETER DETAILS panel for each setting.",
     nullptr},
    {307, 0,
     "Brush Effect Popup\r\rChoose a brush effect: a program that moves, turns and scales the brushes with "
     "the music. (None) leaves them as they are.",
     "\r\rKey: Ctrl+8, the first letters of a name, Ctrl+8 loads one."},

    // The CD panel.
    {349, 0,
     "CD or RaveSet Popup\r\rThe name of this CD. Click to name it, save or delete its RaveSets (the song "
     "titles and the raves attached to them), or build a CD master folder, a folder with the disc's raves "
     "and everything they use.",
     nullptr},
    {kHelpZoneElapsed, 0, "Elapsed Song Time\r\rHow long the song has played, in minutes and seconds.",
     nullptr},
    {kHelpZoneTotal, 0, "Total Song Time\r\rThe length of the song playing, in minutes and seconds.",
     nullptr},
    {401, 0, "Volume\r\rDrag to make the music Orbex plays louder or quieter.",
     "\r\rKeys: the Up and Down arrows; type 0 to 255 first for an exact value."},

    // The gradient panel.
    {314, 0,
     "Gradient Sets Popup\r\rSave the eight loaded gradients as a set, delete sets, or load a set of eight "
     "gradients at once.",
     nullptr},
    {12, 0,
     "Color Speed\r\rHow many steps the colors turn each second. Negative values turn them the other way.",
     "\r\rKey: type -60 to 60, then R."},
    {462, 0,
     "Color Speed Slider\r\rDrag to set how fast the colors cycle, from -60 to 60 steps a second; 0 stops "
     "them. Shift-drag cues the value; Ctrl-click takes a cue back.",
     "\r\rKey: type -60 to 60, then R."},

    // The fill and brush panels.
    {315, 0, "Fill Sets Popup\r\rSave the six loaded fills as a set, delete sets, or load six fills at once.",
     nullptr},
    {316, 0,
     "Brush Sets Popup\r\rSave the six loaded brushes with their attachments as a set, delete sets, or load "
     "six brushes at once.",
     nullptr},
    {11, 0, "Brush Speed\r\rHow many frames a second the brushes draw.", " Key: type 0 to 120, then S."},
    {461, 0,
     "Brush Speed Slider\r\rDrag to set how fast the brushes move, from 0 to 120 frames a second. Shift-drag "
     "cues the value; Ctrl-click takes a cue back.",
     "\r\rKey: type 0 to 120, then S."},

    // The movement panel.
    {317, 0,
     "Movement Sets Popup\r\rSave the six loaded movements as a set, delete sets, or load six movements at "
     "once.",
     nullptr},
    {13, 0, "Movement Spread\r\rHow many pixels apart the brushes travel.", " Key: type 1 to 120, then D."},
    {463, 0,
     "Spread Slider\r\rDrag to spread the brushes wider apart (right) or closer together (left), from 1 to "
     "120 pixels. Shift-drag cues the value.",
     "\r\rKey: type 1 to 120, then D."},

    // Sound input and frequency.
    {311, 0,
     "Sound Input Popup\r\rChoose what Orbex listens to: a microphone, line in, the music your desktop plays "
     "(a monitor), or CD Audio, the disc Orbex plays itself.",
     nullptr},
    {520, 0,
     "Search for Active Sound\r\rSearch tries each sound input until it finds one with sound. Music must be "
     "playing for it to work.",
     nullptr},
    {521, 0,
     "Restore Frequency Defaults\r\rPuts the listening frequency and the sample size back to their usual "
     "values.",
     nullptr},
    {24, 0, "Listening Frequency\r\rThe pitch Orbex listens to for the beat, in hertz.",
     "\r\rKey: N with a number from 1 to 11 sets the sample size."},
    {405, 0,
     "Listening Frequency Slider\r\rDrag to choose the pitch Orbex listens to, from 20 to 524 hertz. Low "
     "pitches catch bass drums, higher ones snares and claps.",
     nullptr},
    {kHelpZoneSpectrograph, 0,
     "Frequency Spectrograph\r\rWhile listening, shows how loud each pitch is right now, low at the left. "
     "The yellow T marks the pitch Orbex listens to: put it where the beat jumps.",
     nullptr},

    // Beats per minute and tapping.
    {21, 0, "Beat Tempo\r\rThe tempo of the beats Orbex makes itself, in beats per minute.",
     "\r\rKey: type the tempo, then T (for example 120.5 and T)."},
    {402, 0,
     "Beat Tempo Slider\r\rDrag to set the tempo, from 0 to 240 beats per minute in steps of 2. At 0 no "
     "beats come at all.",
     "\r\rKey: type the tempo, then T (for example 120.5 and T)."},
    {530, 0,
     "Tap Manual Beats\r\rClick Beat in time with the music, a few times. The average tempo shows below; "
     "Apply makes it Orbex's tempo.",
     "\r\rKey: E taps, Shift+E applies, Ctrl+E clears."},
    {531, 0,
     "Tap Patterned Beats\r\rClick Beat in the rhythm you want, up to nine times. The pattern shows below; "
     "Apply makes Orbex repeat it.",
     nullptr},
    {532, 110, "Apply New Tempo\r\rMakes the tempo you tapped Orbex's tempo.", "\r\rKey: Shift+E."},
    {532, 111,
     "Apply New Pattern\r\rMakes Orbex repeat the rhythm you tapped, starting now. Listening switches off.",
     nullptr},
    {533, 110,
     "Align Current Tempo\r\rClick on a beat of the music: the tempo stays, but the beats now fall in step "
     "with your click.",
     "\r\rKey: Tab."},
    {533, 111,
     "Align Current Pattern\r\rClick on the first beat of the rhythm: the pattern starts again from your "
     "click.",
     "\r\rKey: Tab."},
    {534, 0, "Clear Beats\r\rForgets the taps so you can start again.", " Key: Ctrl+E."},
    {kHelpZoneAverageTempo, 0, "Average Tempo Display\r\rThe tempo of your taps so far, in beats per minute.",
     nullptr},
    {kHelpZonePattern, 0,
     "Patterned Beats Display\r\rA tick for each tap of the pattern, spaced as you tapped them.", nullptr},

    // The screen saver.
    {540, 0,
     "Enable Screen Saver\r\rON makes Orbex your desktop's screen saver: it starts by itself when the "
     "computer has been idle. OFF gives the screen saver back to the desktop.",
     nullptr},
    {541, 0,
     "Enable Playing of CD\r\rPlay starts the CD when Orbex comes on as the screen saver; Ignore keeps it "
     "quiet and paints to a silent clock.",
     nullptr},
    {22, 0, "Screen Saver Delay\r\rHow many idle minutes pass before Orbex starts as the screen saver.",
     nullptr},
    {403, 0,
     "Screen Saver Delay Slider\r\rDrag to choose after how many idle minutes Orbex starts, from 1 to 120.",
     nullptr},

    // Sound scaling.
    {kHelpZoneScaleMeter, 0,
     "Sound Scale Meter\r\rShows how much the brushes are scaled by the loudness right now.", nullptr},
    {29, 0,
     "Sound Scaling Fade\r\rHow long the brushes take to shrink back after a loud moment, in tenths of a "
     "second.",
     nullptr},
    {410, 0,
     "Sound Scaling Fade Slider\r\rDrag to set the fade from 0 to 4 seconds: left snaps back at once, right "
     "glides.",
     nullptr},
    {30, 0, "Scaling Threshold\r\rHow loud the sound must be, in percent, before brushes grow with it.",
     nullptr},
    {411, 0,
     "Scaling Threshold Slider\r\rDrag right so only loud moments grow the brushes, left so every sound "
     "does.",
     nullptr},
    {31, 0, "Max Scaling Fade\r\rThe longest fade back after a loud moment, in tenths of a second.", nullptr},
    {412, 0, "Max Scaling Fade Slider\r\rDrag to set the longest fade, from 0 to 12 seconds.", nullptr},

    // Movement parameters (the title is the parameter's name and " Slider").
    {515, 0,
     "Parameter Randomization\r\rRandom lets Orbex pick this setting anew each time the movement starts. "
     "Fixed keeps the value of the slider below.",
     nullptr},
    {404, 0,
     "\r\rDrag to set this setting of the movement between its smallest and largest value. Moving the slider "
     "fixes the value.",
     "\r\rKeys: X, Y and Z set the first, second and third setting of the movement in use: type the value "
     "first."},

    // Attachments.
    {318, 0,
     "Brush Attachments Popup\r\rAn attachment ties a setting to one brush: whenever that brush comes on, "
     "its attached fill, gradient, movement, effects or speeds come with it. Choose the kind of attachment "
     "to show here.",
     nullptr},
    {436, 0,
     "Brush Speed Attachment\r\rThe brush speed this brush brings along. Drag off either end for none.",
     nullptr},
    {319, 0, "Fill Attachment\r\rThe fill this brush brings along when it comes on, or No Attachment.",
     nullptr},
    {320, 0,
     "Trails Attachment\r\rWhether this brush turns trails on or off when it comes on, or leaves them as "
     "they are.",
     nullptr},
    {321, 0,
     "Gradient Attachment\r\rThe gradient this brush brings along when it comes on, or No Attachment.",
     nullptr},
    {437, 0,
     "Color Speed Attachment\r\rThe color speed this brush brings along. Drag off either end for none.",
     nullptr},
    {322, 0,
     "Movement Attachment\r\rThe movement this brush brings along when it comes on, or No Attachment.",
     nullptr},
    {438, 0,
     "Spread Attachment\r\rThe movement spread this brush brings along. Drag off either end for none.",
     nullptr},
    {323, 0, "Brush Effect Attachment\r\rThe brush effect this brush brings along when it comes on.",
     nullptr},
    {324, 0, "Brush Color Effect Attach.\r\rThe brush color effect this brush brings along when it comes on.",
     nullptr},
    {442, 0,
     "Brush Brightness Attachment\r\rThe brush brightness this brush brings along. Drag off either end for "
     "none.",
     nullptr},
    {325, 0,
     "Fill Color Effect Attachment\r\rThe fill color effect this brush brings along when it comes on.",
     nullptr},
    {443, 0,
     "Fill Brightness Attachment\r\rThe fill brightness this brush brings along. Drag off either end for "
     "none.",
     nullptr},

    // Saving and deleting by name.
    {117, 0,
     "Text Entry Field\r\rType the name here. Letters, digits, blanks and - # $ % & ' ( ) ; ^ _ are allowed; "
     "the name can have up to",
     nullptr},
    {510, 0,
     "Save File\r\rSaves under the name you typed. If the file exists, Orbex asks before it replaces it.",
     "\r\rKey: Enter."},
    {511, 0, "Cancel Save\r\rCloses the panel without saving anything.", nullptr},
    {512, 0, "Replace File\r\rA file of that name exists. Yes writes over it with what you are saving now.",
     "\r\rKey: Enter."},
    {513, 0, "Don't Replace File\r\rKeeps the existing file and saves nothing.", nullptr},
    {119, 0,
     "Delete Files Popup\r\rClick the box for the list of files, then choose one to delete it from the disk. "
     "This cannot be undone.",
     nullptr},
    {514, 0, "Done Deleting Files\r\rCloses the panel when you have deleted what you wanted.", nullptr},
};

const size_t kHelpTextCount = sizeof(kHelpTexts) / sizeof(kHelpTexts[0]);

const HelpSentences kHelpSentences = {
    "\r\rIf you want to play with the controls, manual mode is recommended. Otherwise the beat counters "
    "keep changing things too.",
    " When you roll over an item name, a preview will appear in the upper left panel.",
    "\r\rLong lists scroll: rest the cursor on the arrow at the top or bottom, further right to scroll "
    "faster; the corner arrow jumps to the end. The mouse wheel and the arrow keys work too.",
    "\r\rThis feature is active only when \"listening\" is turned on.",
    " Beat Counter",
    "\r\rCounts the beats between two changes of this column: at 4 beats, every fourth beat brings a new "
    "one. Drag to the far left for Off. The slider is greyed out, and cannot be moved, in manual mode and "
    "while a rave plays back.",
    " Threshold Meter",
    "\r\rA beat changes this column only when it is loud enough: the bar must reach past this mark. Drag "
    "right to keep changes for the strongest beats.",
    "\r\rCounter and meter work together: when the counter comes round, the change happens only if that "
    "beat reaches the mark; a quieter beat brings nothing and the counting goes on. Without listening, "
    "every counted beat brings a change.",
    " Trigger Setting",
    "\r\rClick to choose what a change of this column brings: \"fix.\" keeps the same one, \"seq.\" takes "
    "the next in order, \"rnd.\" a random one.",
    " \"file\" loads a random file from the disk into the slot in use.",
    {"Color", "", "Gradient", "Fill", "Brush", "Movement"},
    " Displays the total time of one minute when no CD is present.",
    " 27 letters.",
    " 15 letters.",
    " Press Enter to save.",
    "\r\rThe song is paused now: click to go on from where it stopped.",
    "\r\rNo song is playing now.",
    "\r\rListening is on now.",
    "\r\rListening is off now: the beats come at the set tempo.",
    "\r\rManual mode is on now.",
    "\r\rManual mode is off now.",
    "\r\rTrails are on now.",
    "\r\rTrails are off now.",
    "\r\rA rave is playing back, so tapping does not work until it ends.",
    " Slider",
};
