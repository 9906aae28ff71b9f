#include "forms/DiscardQuestion.h"

#include "platform/MessageHost.h"

namespace DiscardQuestion {

bool MayClose(MessageHost& host, bool changed, const std::string& question, const std::string& caption)
{
    return !changed || MsgChoose(host, question, Discard, KeepEditing, caption);
}

}  // namespace DiscardQuestion
