#pragma once
// The edit commands of the program page that the library window passes on:
// the program list layer implements them.
class CProgramListPage
{
public:
    virtual ~CProgramListPage() = default;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    // Initialises the selected programs; flag 1 from the Initialize
    // command, 0 from Cut.
    virtual void Initialize(int flag) = 0;
};
