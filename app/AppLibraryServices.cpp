// What the library windows reach of the application: its services, and
// the frame's one list of library windows, which they join and leave.
#include "app/AppMain.h"
#include "app/BaseWindow.h"
#include "app/LibraryWindows.h"

CEfSemaphore* CAppMain::NamedSemaphore(SemaphoreIndex index) const
{
    const auto slot = static_cast<std::size_t>(index);
    return slot < m_semaphores.size() ? m_semaphores[slot].get() : nullptr;
}

CEfSemaphore* CAppMain::GetTimerSemaphore()
{
    return NamedSemaphore(kTimerSemaphore);
}

CEfSemaphore* CAppMain::GetProgressSemaphore()
{
    return NamedSemaphore(kProgressSemaphore);
}

void CAppMain::AddLibraryWindow(CBaseWindow* window)
{
    auto* library = dynamic_cast<CLibraryWindowInterface*>(window);
    if (m_frame != nullptr && library != nullptr)
        m_frame->AddLibraryWindow(library);
}

void CAppMain::RemoveLibraryWindow(CBaseWindow* window)
{
    auto* library = dynamic_cast<CLibraryWindowInterface*>(window);
    if (m_frame != nullptr && library != nullptr)
        m_frame->RemoveChildWindow(library);
}

std::vector<CBaseWindow*> CAppMain::GetLibraryWindows()
{
    std::vector<CBaseWindow*> windows;
    if (m_frame == nullptr)
        return windows;
    for (int index = 0; index < m_frame->GetLibraryWindowCount(); ++index)
        windows.push_back(m_frame->GetLibraryWindow(index)->GetWindow());
    return windows;
}
