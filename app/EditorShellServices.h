#pragma once
// The services of the registered editor shell that windows and layers look
// up; each is null while no application is registered.
class CEfSemaphore;
class CWindowManager;

namespace editor_shell {

CWindowManager* WindowManager();
// "Semaphore": the drawing of the message line, the value display and the
// logo.
CEfSemaphore* DrawingSemaphore();

}  // namespace editor_shell
