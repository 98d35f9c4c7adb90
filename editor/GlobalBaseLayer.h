#pragma once
// The base of the two sub-pages of the global page: a layer bound to its
// library window's global data that reads and writes global parameters
// through the global accessor. Without global data every value reads 0,
// writes are dropped and texts are empty.
#include "app/BaseLayer.h"
#include "app/WindowEvents.h"

#include <cstdint>
#include <string>

class CLibraryWindow;
class CQ3917GlobalAccessor;

class CGlobalBaseLayer : public CBaseLayer
{
public:
    // The longest value text taken from the accessor.
    static constexpr int kTextLimit = 256;

    CGlobalBaseLayer() { SetDataKind(kGlobalData); }

    // Clamped to the parameter's range.
    std::int32_t GetGlobalValue(int group, int index) const;
    // Only while writing is enabled.
    void SetGlobalValue(int group, int index, std::int32_t value);
    bool IsGlobalEnabled(int group, int index) const;
    std::int32_t GetGlobalControlKind(int group, int index) const;
    std::int32_t GetGlobalMinimum(int group, int index) const;
    std::int32_t GetGlobalMaximum(int group, int index) const;
    std::string GetGlobalName(int group, int index) const;
    std::string GetGlobalValueText(int group, int index) const;
    std::string GetGlobalValueText(int group, int index, std::int32_t value) const;
    // Event 17 for this window's global data.
    void PostGlobalChanged();
    // Whether an event is about this window's data.
    bool IsOwnWindowEvent(LONG_PTR windowNumber) const { return windowNumber == GetDocumentId(); }

    CLibraryWindow* GetLibraryWindow() const;

protected:
    // The field as stored, also outside the parameter's range.
    std::int32_t GetStoredGlobalValue(int group, int index) const;

private:
    // The accessor while the layer has global data, else null.
    const CQ3917GlobalAccessor* Reader() const;
};
