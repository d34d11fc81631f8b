// The trace lines of the entry points, seen from both sides: with nothing listening a whole host
// session formats not one line, and with a sink listening each call traces its lines with their
// exact text, so the texts cannot rot while nobody reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "module_fixture.h"
#include "query_paths.h"
#include "repository_file.h"
#include "support/trace.h"
#include "trace_capture.h"

namespace veltra::support {
namespace {

using testing::nodePath;
using testing::RepositoryFile;
using testing::rootPath;
using testing::TraceCapture;
using testing::upsRepository;

class EntryPointTraceTest : public testing::ModuleTest {};

// No sink while alive, whatever the build installs by default; the previous sink afterwards.
class NothingListening {
 public:
  NothingListening() : previous_(setTraceSink(nullptr)) {}
  ~NothingListening() { setTraceSink(previous_); }
  NothingListening(const NothingListening&) = delete;
  NothingListening& operator=(const NothingListening&) = delete;

 private:
  TraceSink previous_;
};

veltra_handle connect(const std::string& key) {
  veltra_handle handle = -1;
  std::uint8_t type = 0;
  NodeConnect(nodePath(key).data(), &handle, &type);
  return handle;
}

// A host session that reaches every formatted line of the entry points, the objects and the
// requester: handles and root ids in the text, a display name in a destructor, a reading, and
// the failure lines of a read.
void hostSession() {
  const RepositoryFile repository(upsRepository("UPSInputVolt = 230.5;"));
  InitNodes();
  FreeNodeList(GetNodeList(rootPath("VELTRA").data()));
  FreeNodeList(GetNodeList(rootPath(std::string(3000, 'R')).data()));
  const veltra_handle read = connect("InputVoltage");
  const veltra_handle missing = connect("OutputLoad");  // no such property in the repository
  connect("NoSuchKey");
  FreeNodeAttributes(GetNodeAttributes(read));
  for (const veltra_handle handle : {read, missing, read + 5, -1, 99}) {
    NodeFreeValue(NodeGetValue(handle));
    NodePulse(handle, 4000);
  }
  RepositoryFile::pointAt("/nonexistent/ups.mof");
  NodeFreeValue(NodeGetValue(read));
  NodeDisconnect(read);
  InitNodes();
  TermNodes();
}

TEST_F(EntryPointTraceTest, NothingIsFormattedWhileNobodyListens) {
  {
    const NothingListening quiet;
    const std::uint64_t before = formattedTraceLines();
    hostSession();
    EXPECT_EQ(formattedTraceLines(), before);
  }

  // The same session does format lines once someone listens, so the silence above is real.
  const TraceCapture capture;
  const std::uint64_t before = formattedTraceLines();
  hostSession();
  EXPECT_GT(formattedTraceLines(), before + 20);
}

// One call of a host session and the lines it must trace: all of them, in order, when `exact`;
// otherwise these in this order, among others (attribute getters called once per slot walked).
struct TracedCall {
  const char* name;
  std::function<void()> call;
  std::vector<std::string> lines;
  bool exact;
};

// The first expected line missing from `lines` in order, or null when all are there.
const std::string* firstMissing(const std::vector<std::string>& lines,
                                const std::vector<std::string>& expected) {
  auto at = lines.begin();
  for (const std::string& line : expected) {
    at = std::find(at, lines.end(), line);
    if (at == lines.end()) return &line;
    ++at;
  }
  return nullptr;
}

TEST_F(EntryPointTraceTest, EachCallTracesItsLines) {
  const RepositoryFile repository(upsRepository("UPSInputVolt = 230.5;"));
  // Handles of the first list in this process: InputVoltage 100, OutputLoad 104, OutputFreq 105.
  const std::vector<TracedCall> session = {
      {"ValueBeforeInit",
       [] { NodeFreeValue(NodeGetValue(100)); },
       {"NodeGetValue", "NodeGetValue: Returning NULL", "NodeFreeValue"},
       true},
      {"PulseBeforeInit",
       [] { NodePulse(100, 0); },
       {"NodePulse IN:time_since_last=0", "NodePulse OUT:next_time=3600000"},
       true},
      {"Init",
       [] { InitNodes(); },
       {"InitNodes ", "Constructor", "Constructor", "Constructor"},
       false},
      {"ListTheRoot",
       [] { FreeNodeList(GetNodeList(rootPath("VELTRA").data())); },
       {"GetNodeList ", "SetRoot", "SetRoot=HeapAlloc theRootNodeId[8]", "SetRoot=VELTRA",
        "SetRoot: RootNode Matches", "clear:theRootNodeId=VELTRA",
        "clear=theRootNodeId HeapFree()d", "GetNodeList ", "GetName", "GetKey", "FreeNodeList"},
       false},
      {"ConnectByKey",
       [] { connect("InputVoltage"); },
       {"NodeConnect", "GetHandle ", "findAttrIndex ", "GetKey", "GetHandle", "Activate 100",
        "getAttrIndex 100", "GetHandle", "SetActive", "GetDataType 100", "getAttrIndex 100",
        "GetHandle", "GetDataType"},
       true},
      {"Attributes",
       [] { FreeNodeAttributes(GetNodeAttributes(104)); },
       {"GetNodeAttributes", "GetMetaData 104", "getAttrIndex 104", "GetHandle",
        "FreeNodeAttributes"},
       false},
      {"ReadAConnectedNode",
       [] { NodeFreeValue(NodeGetValue(100)); },
       {"NodeGetValue", "GetPropertyName 100", "getAttrIndex 100", "GetHandle", "GetCode",
        "IsActivated 100", "getAttrIndex 100", "GetHandle", "IsActive",
        "GetPropertyValue IN=UPSInputVolt", "openConnection", "getInstance ", "getPropertyValue ",
        "closeConnection", "GetPropertyValue OUT=UPSInputVolt return=0",
        "NodeGetValue: Returning double value", "NodeFreeValue"},
       true},
      {"ValueOfAnInactiveNode",
       [] { NodeFreeValue(NodeGetValue(105)); },
       {"NodeGetValue", "GetPropertyName 105", "GetCode", "IsActivated 105", "IsActive",
        "NodeGetValue: Returning NODE_UNAVAILABLE", "NodeFreeValue"},
       false},
      {"ValueOfNoHandle",
       [] { NodeFreeValue(NodeGetValue(-1)); },
       {"NodeGetValue", "GetPropertyName -1", "getAttrIndex -1",
        "NodeGetValue: Returning INVALID_HANDLE", "NodeFreeValue"},
       true},
      {"PulseOfAConnectedNode",
       [] { NodePulse(100, 250); },
       {"NodePulse IN:time_since_last=250", "IsActivated 100", "getAttrIndex 100", "GetHandle",
        "IsActive", "NodePulse OUT:next_time=4000"},
       true},
      {"ValueWithoutTheLock",
       [] {
         platform::armFault(platform::FaultPoint::kMutexWait, 1, 0);
         NodeFreeValue(NodeGetValue(100));
       },
       {"NodeGetValue", "NodeGetValue: lockData failed", "NodeFreeValue"},
       true},
      {"Disconnect",
       [] { NodeDisconnect(100); },
       {"NodeDisconnect", "Deactivate 100", "getAttrIndex 100", "GetHandle", "SetInactive"},
       true},
      {"Term",
       [] { TermNodes(); },
       {"TermNodes IN", "TermNodes-delete attribute list", "Destructor IN", "Destructor IN",
        "Destructor:HeapFree Name", "Destructor:Name=Input Line Voltage",
        "Destructor: Name HeapFree()d", "Destructor OUT", "Destructor:Name=Temp Probe 2", "clear ",
        "Destructor OUT", "TermNodes-attribute list deleted", "TermNodes-delete cim requester",
        "Destructor", "closeConnection", "TermNodes-cim requester deleted", "TermNodes OUT"},
       false},
  };

  TraceCapture capture;
  for (const TracedCall& step : session) {
    SCOPED_TRACE(step.name);
    capture.clear();
    step.call();
    const std::vector<std::string> lines = capture.lines();
    if (step.exact) {
      EXPECT_EQ(lines, step.lines);
    } else if (const std::string* missing = firstMissing(lines, step.lines)) {
      ADD_FAILURE() << "no line \"" << *missing << "\" where expected, in:\n"
                    << ::testing::PrintToString(lines);
    }
  }
}

}  // namespace
}  // namespace veltra::support
