#include "platform/Platform.h"
#include "platform/recording/Recording.h"
#include "tests/contract/ContractBackend.h"

void OpenContractWindow() {
    platform::recording::Reset();
    platform::CreateWindow({100, 50}, 720, 320, u"Quillory");
}

void CloseContractWindow() {
    platform::DestroyWindow();
}

void LetTimePass(int milliseconds) {
    platform::recording::SetNow(platform::NowMilliseconds() + milliseconds);
}
