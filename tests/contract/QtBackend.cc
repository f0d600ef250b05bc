#include "platform/Platform.h"
#include "tests/contract/ContractBackend.h"

void OpenContractWindow() {
    platform::CreateWindow({100, 50}, 720, 320, u"Quillory");
}

void CloseContractWindow() {
    platform::DestroyWindow();
}

// The desktop's clock runs by itself; WaitForEvent waits as long as it takes.
void LetTimePass(int /*milliseconds*/) {}
