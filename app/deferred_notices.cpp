#include "app/deferred_notices.h"

#include "runs/output_paths.h"

namespace tiebreak {

void DeferredNotices::replay(Notices& notices, FileOpener& opener) const {
    for (const Call& call : calls_) {
        switch (call.kind) {
            case Call::Error:
                notices.showError(call.text);
                break;
            case Call::Notice:
                notices.showNotice(call.text);
                break;
            case Call::Beep:
                notices.beep();
                break;
            case Call::Open:
                openInShell(opener, notices, call.text);
                break;
        }
    }
}

}  // namespace tiebreak
