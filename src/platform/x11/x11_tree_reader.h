#pragma once

#include "platform/x11/x11_atoms.h"
#include "platform/x11/x11_client_search.h"
#include "platform/x11/x11_connection.h"

namespace orvane::x11 {

// Reads the tree from the server: for each window of a batch its tree, its WM_STATE and its map
// state, all requests sent before the first reply is awaited.
class ServerTreeReader : public TreeReader {
 public:
  ServerTreeReader(Connection& connection, const Atoms& atoms)
      : connection_(connection), atoms_(atoms) {}
  std::vector<TreeNode> read(std::span<const xcb_window_t> windows) override;

 private:
  Connection& connection_;
  const Atoms& atoms_;
};

}  // namespace orvane::x11
