-- Drives Neovim's own LSP client, started by the README's configuration (the
-- init.lua), against quillory-ls: opens a text file and a Markdown file of one
-- project, edits the Markdown as a writer would, and writes what Neovim
-- received to a JSON file.
local markdown = os.getenv('QUILLORY_DOC')
local text = os.getenv('QUILLORY_TEXT')
local out = os.getenv('QUILLORY_OUT')

local function write(result)
  local handle = io.open(out, 'w')
  handle:write(vim.fn.json_encode(result))
  handle:close()
end

-- The one client the configuration attached to the buffer.
local function attached(buf)
  assert(vim.wait(60000, function() return next(vim.lsp.buf_get_clients(buf)) ~= nil end, 20),
         'no server for ' .. vim.api.nvim_buf_get_name(buf))
  local id, client = next(vim.lsp.buf_get_clients(buf))
  assert(next(vim.lsp.buf_get_clients(buf), id) == nil, 'two servers for one buffer')
  return client
end

local function run()
  vim.cmd('edit ' .. vim.fn.fnameescape(text))
  local first = attached(vim.api.nvim_get_current_buf())
  vim.cmd('edit ' .. vim.fn.fnameescape(markdown))
  local buf = vim.api.nvim_get_current_buf()
  local client = attached(buf)
  assert(client.id == first.id, 'a second server for the same project')
  local function wait_for_marks(count, what)
    assert(vim.wait(60000, function() return #vim.diagnostic.get(buf) == count end, 20),
           what .. ': expected ' .. count .. ' marks, got ' .. #vim.diagnostic.get(buf))
  end
  wait_for_marks(1, 'on opening')

  -- Typed at the end, character by character: a second long sentence.
  local added = 'Then the writer adds one more sentence that runs on and on, ' ..
      'listing every step and every reason for every step, until it is far too long to read.'
  local last = vim.api.nvim_buf_line_count(buf)
  vim.api.nvim_buf_set_lines(buf, last, last, false, { '', '' })
  for i = 1, #added do
    vim.api.nvim_buf_set_text(buf, last + 1, i - 1, last + 1, i - 1, { added:sub(i, i) })
  end
  wait_for_marks(2, 'after typing')

  -- The first paragraph's long sentence is cut in two.
  local lines = vim.api.nvim_buf_get_lines(buf, 0, -1, false)
  for number, line in ipairs(lines) do
    local at = line:find(', which ')
    if at then
      vim.api.nvim_buf_set_text(buf, number - 1, at - 1, number - 1, at + 7, { '. It ' })
      break
    end
  end
  wait_for_marks(1, 'after the cut')

  local diagnostics = {}
  for _, d in ipairs(vim.diagnostic.get(buf)) do
    table.insert(diagnostics, { line = d.lnum, col = d.col, end_line = d.end_lnum,
                                end_col = d.end_col, severity = d.severity,
                                code = d.user_data.lsp.code, message = d.message })
  end
  local first_mark = vim.diagnostic.get(buf)[1]
  local params = { textDocument = { uri = vim.uri_from_bufnr(buf) },
                   position = { line = first_mark.lnum, character = first_mark.col + 2 } }
  local hover = vim.lsp.buf_request_sync(buf, 'textDocument/hover', params, 30000)
  local lens = vim.lsp.buf_request_sync(buf, 'textDocument/codeLens',
                                        { textDocument = params.textDocument }, 30000)
  write({
    text = table.concat(vim.api.nvim_buf_get_lines(buf, 0, -1, false), '\n') .. '\n',
    diagnostics = diagnostics,
    hover = hover[client.id].result.contents.value,
    lens = lens[client.id].result[1].command.title,
    clients = #vim.lsp.get_active_clients(),
  })
end

local ok, failure = pcall(run)
if not ok then
  write({ error = tostring(failure) })
end
vim.cmd('qall!')
