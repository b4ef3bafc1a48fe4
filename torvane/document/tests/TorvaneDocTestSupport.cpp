#include "torvane/document/tests/TorvaneDocTestSupport.h"

namespace torvane {

void SendCommand(CTorvaneDoc& doc, UINT commandId) {
    EXPECT_TRUE(doc.OnCmdMsg(commandId, CN_COMMAND, nullptr, nullptr)) << "command " << commandId;
}

void BuildChevy350(CTorvaneDoc& doc) {
    for (UINT id : {33135u, 32798u, 33052u, 33065u, 33467u, 32851u, 33508u, 32862u, 32891u})
        SendCommand(doc, id);
}

void BuildPaxtonChevy350(CTorvaneDoc& doc) {
    BuildChevy350(doc);
    SendCommand(doc, 33516);
    SendCommand(doc, 32999);
}

}  // namespace torvane
