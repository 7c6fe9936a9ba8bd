; Included by the installer script: neither the installer nor the uninstaller changes anything
; while Seraphel runs, whose files are in use then. A running Seraphel holds the mutex
; SERAPHEL_INSTANCE_MUTEX in the user's session.
!include LogicLib.nsh

!macro SeraphelRefuseWhileRunning
  Push $0
  Push $1
  ${Do}
    ; SYNCHRONIZE access. Access denied means an instance with higher rights holds it.
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${SERAPHEL_INSTANCE_MUTEX}") p .r0 ?e'
    Pop $1
    ${If} $0 == 0
    ${AndIf} $1 != 5
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    ; A silent run has no one to ask: it ends with an error and changes nothing.
    ${If} ${Silent}
      SetErrorLevel 2
      Quit
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Seraphel is running.$\n$\nClose Seraphel, then choose Retry to go on, or Cancel to stop." IDRETRY +3
    SetErrorLevel 2
    Quit
  ${Loop}
  Pop $1
  Pop $0
!macroend
