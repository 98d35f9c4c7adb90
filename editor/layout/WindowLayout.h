#pragma once
// Where every skinned window puts its controls: position, size, kind, skin
// and bound parameter. The windows build their controls from these tables
// and the skin generator prints captions and panels from them, so the art
// and the windows cannot drift apart.
#include <span>
#include <string_view>

namespace layout {

enum class Kind
{
    Button,
    Switch,
    Led,
    AnalogLed,
    BitmapList,
    Knob,
    Fader,
    ValueBar,
    EditText,
    StaticText,
    List,
    TabStrip,
    PageButton,
    EqGraph,
    FilterGraph,
    EnvelopeGraph,
    LfoGraph,
    DropArea,
};

// A program or global parameter by table group and row, and the timbre for
// the timbre groups; group -1 binds none. A control that shows its value in
// a box while pressed says so and where the box goes.
struct Parameter
{
    int group = -1;
    int index = -1;
    int timbre = 0;
    int showValue = 0;
    int valuePlacement = 0;
};

struct Control
{
    int id;
    Kind kind;
    int x, y, w, h;    // in the layer, which may sit inside its background
    const char* skin;  // strip, thumb or font; nullptr when drawn in code
    int frames;        // frames of a bitmap list or analog LED, else 0
    Parameter parameter;
    const char* name;     // the parameter's table name, or the control's role
    const char* caption;  // printed on the background beside it (a button's and a
                          // drop area's on its face); "" for none
    int eventCode = 0;    // what the control's reports mean to its layer
    int lampGroup = 0;    // an LED's set of lamps on its page
    int lampValue = 0;    // what an LED writes when pressed
};

struct Window
{
    const char* name;
    const char* background;  // theme 0 name; the others append the theme word
    int width, height;       // of the background bitmap
    int originX, originY;    // where the layer's (0,0) lies on the background
    std::span<const Control> controls;
};

// Kinds that draw light LCD text or an LCD strip, so need a dark panel
// under them in every colour theme. The global page's tab strips are not
// among them: they hold no tabs and show only the background beneath.
bool DrawsOnLcd(Kind kind);

std::span<const Window> Windows();
const Window* FindWindow(std::string_view name);

}  // namespace layout
