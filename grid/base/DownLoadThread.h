#pragma once

#include "platform/core/Exception.h"
#include "platform/os/Thread.h"

#include <cstdint>

class THTMLPicture;

// Fetches the picture of an "HTTP://" address in the background and hands
// its bytes to the picture on the user-interface thread. Progress, the
// cancel question, the arrival and a failure reach the picture's download
// events there. Freeing the thread abandons a download still running.
class TDownLoadThread : public TThread {
public:
    // Starts at once with the picture's URL.
    explicit TDownLoadThread(THTMLPicture* picture);
    ~TDownLoadThread() override;

    THTMLPicture* HTMLPicture() const { return FHTMLPicture; }

protected:
    void Execute() override;

private:
    // On the user-interface thread: the progress event and the cancel
    // question; false when the download is to stop.
    bool Progress(uint64_t received, uint64_t total);

    THTMLPicture* FHTMLPicture;
    const String FURL;
    uint64_t FReported = 0;
    bool FCancelled = false;
};
