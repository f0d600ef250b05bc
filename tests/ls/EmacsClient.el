;;; EmacsClient.el --- eglot against quillory-ls, headless  -*- lexical-binding: t -*-

;; Loaded after the README's configuration (the init.el): opens a text file
;; and a Markdown file of one project, types a long sentence into the Markdown
;; one, and writes what flymake shows to a JSON file.  Batch mode runs no
;; post-command-hook, idle timers or redisplay, which eglot and flymake wait
;; for: they are run here as an interactive Emacs runs them between keys.

(require 'json)

(defun quillory-between-keys ()
  (run-hooks 'post-command-hook)
  (run-hooks 'window-configuration-change-hook)
  (mapc #'timer-event-handler (copy-sequence timer-idle-list)))

(defun quillory-wait (what predicate)
  "Wait up to a minute for PREDICATE to hold, else fail naming WHAT."
  (let ((deadline (+ (float-time) 60)))
    (while (and (not (funcall predicate)) (< (float-time) deadline))
      (quillory-between-keys)
      (accept-process-output nil 0.05))
    (unless (funcall predicate)
      (error "Timed out waiting for %s" what))))

(defun quillory-open (file marks)
  "Visit FILE, wait for eglot and MARKS diagnostics; its server."
  (find-file file)
  (quillory-wait (format "eglot in %s" file) #'eglot-managed-p)
  (quillory-wait (format "%d marks in %s" marks file)
                 (lambda () (= (length (flymake-diagnostics)) marks)))
  (eglot-current-server))

(defun quillory-diagnostic (diagnostic)
  (let ((start (flymake-diagnostic-beg diagnostic))
        (lsp (alist-get 'eglot-lsp-diag (flymake-diagnostic-data diagnostic))))
    (save-excursion
      (goto-char start)
      `((line . ,(1- (line-number-at-pos)))
        (column . ,(current-column))
        (code . ,(plist-get lsp :code))
        (message . ,(plist-get lsp :message))))))

(defun quillory-run ()
  (let* ((text-server (quillory-open (getenv "QUILLORY_TEXT") 1))
         (text-mode-p (eq major-mode 'text-mode))
         (server (quillory-open (getenv "QUILLORY_DOC") 1)))
    (unless (eq server text-server)
      (error "A second server for the same project"))
    (unless (eq major-mode 'markdown-mode)
      (error "%s is in %s" buffer-file-name major-mode))
    (goto-char (point-max))
    (insert "\n")
    (dolist (character (string-to-list
                        (concat "Then the writer adds one more sentence that runs on and on, "
                                "listing every step and every reason for every step, "
                                "until it is far too long to read.")))
      (insert character))
    (quillory-wait "2 marks after typing"
                   (lambda () (= (length (flymake-diagnostics)) 2)))
    `((text . ,(buffer-substring-no-properties (point-min) (point-max)))
      (textMode . ,(if text-mode-p t :json-false))
      (diagnostics . ,(vconcat (mapcar #'quillory-diagnostic
                                       (sort (flymake-diagnostics)
                                             (lambda (a b)
                                               (< (flymake-diagnostic-beg a)
                                                  (flymake-diagnostic-beg b))))))))))

(let ((result (condition-case failure
                  (quillory-run)
                (error `((error . ,(error-message-string failure)))))))
  (with-temp-file (getenv "QUILLORY_OUT")
    (insert (json-encode result))))
(kill-emacs 0)
