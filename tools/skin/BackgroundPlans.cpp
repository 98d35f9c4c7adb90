#include "BackgroundPlans.h"

namespace skin {
namespace {

const std::vector<BackgroundPlan>& Plans()
{
    static const std::vector<BackgroundPlan> kPlans = {
        {"BG_PageSelect", {}, {}, {}, false},
        {"BG_ProgramListFav",
         {},
         {{19, 51, 114, 29}, {576, 33, 382, 69}, {576, 104, 382, 23}, {19, 127, 944, 489}},
         {{580, 22, "FAVORITE", 1}, {23, 40, "SELECTED PROGRAM", 1}}},
        {"BG_GlobalEditFav", {}, {{24, 129, 950, 498}}, {{24, 64, "GLOBAL DATA", 2}}, true},
        {"BG_ProgramEdit",
         {{{16, 6, 214, 29}, ""},
          {{16, 48, 328, 70}, "VOICE"},
          {{362, 52, 216, 64}, ""},
          {{4, 128, 291, 180}, ""},
          {{297, 128, 292, 180}, ""},
          {{4, 305, 364, 96}, ""},
          {{372, 305, 210, 96}, ""},
          {{4, 404, 180, 66}, ""},
          {{188, 404, 150, 66}, ""},
          {{341, 404, 241, 66}, ""}},
         // BPM and octave read as one display of two lines
         {{182, 8, 34, 25}, {24, 180, 266, 124}, {317, 180, 264, 124}},
         {{377, 311, "SHORT RIBBON", 1}, {346, 440, "1", 1}, {346, 460, "2", 1}}},
        {"BG_SynthEdit",
         {{{14, 56, 144, 144}, "OSC 1"},
          {{14, 245, 144, 130}, "OSC 2"},
          {{163, 56, 46, 210}, "MIX"},
          {{238, 56, 250, 210}, "FILTER"},
          {{163, 272, 131, 100}, "ROUTING"},
          {{296, 272, 210, 100}, "FILTER EG"},
          {{538, 56, 234, 98}, "AMP / DRIVE"},
          {{538, 158, 234, 99}, "AMP EG"},
          {{538, 272, 234, 100}, "ASSIGNABLE EG"},
          {{14, 392, 140, 96}, "VOICE"},
          {{14, 502, 140, 88}, "PITCH"},
          {{180, 392, 316, 96}, "LFO 1"},
          {{180, 502, 316, 88}, "LFO 2"},
          {{538, 392, 240, 198}, "VIRTUAL PATCH"}},
         {},
         {}},
        {"BG_TimbreEqEdit", {{{12, 56, 318, 96}, ""}}, {{19, 71, 181, 70}}, {{20, 14, "TIMBRE EQ", 2}}},
        {"BG_ArpEdit",
         {{{22, 56, 156, 98}, ""}, {{196, 56, 130, 98}, ""}, {{46, 168, 280, 42}, "STEPS"}},
         {},
         {{20, 14, "ARPEGGIATOR", 2}}},
        {"BG_VocoderEdit",
         {{{84, 62, 292, 36}, "SOURCES"},
          {{10, 62, 60, 148}, "TIMBRE"},
          {{84, 104, 106, 106}, "GATE / HPF"},
          {{210, 104, 52, 106}, "FORMANT"},
          {{267, 104, 108, 106}, "FILTER"},
          {{400, 62, 56, 148}, "OUT"},
          {{470, 62, 210, 148}, "FORMANT HOLD"},
          {{66, 226, 604, 176}, "BANDS"}},
         {{477, 84, 196, 100}},
         {{20, 14, "VOCODER", 2}}},
        {"BG_MasterFXEdit",
         {},
         {{22, 61, 584, 214}, {22, 283, 584, 214}},
         {{20, 14, "MASTER EFFECT", 2}, {5, 64, "1", 2}, {5, 286, "2", 2}}},
        {"BG_StatusLog", {}, {{15, 61, 560, 97}}, {{19, 44, "LOG", 2}}},
        {"BG_MidiMonitor", {}, {{19, 86, 572, 15}, {19, 131, 572, 15}}, {{19, 44, "MIDI MONITOR", 2}}},
        {"BG_VersionInfo", {}, {{26, 224, 98, 17}}, {{30, 40, "VQ-700Z", 4}, {30, 84, "Sound Editor", 2}}},
    };
    return kPlans;
}

}  // namespace

const BackgroundPlan& PlanOf(std::string_view background)
{
    static const BackgroundPlan kEmpty{"", {}, {}, {}};
    for (const BackgroundPlan& plan : Plans()) {
        if (background == plan.background)
            return plan;
    }
    return kEmpty;
}

}  // namespace skin
