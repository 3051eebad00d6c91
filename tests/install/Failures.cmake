# For the install checks: fail(text) reports a problem and goes on, so that
# one run lists them all; failure_count counts them for the verdict at the end.
set(failure_count 0)
function(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR count "${failure_count} + 1")
  set(failure_count ${count} PARENT_SCOPE)
endfunction()
