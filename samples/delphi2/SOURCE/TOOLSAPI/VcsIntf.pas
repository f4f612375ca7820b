{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       VcsIntf unit: version control add-ins           }
{                                                       }
{*******************************************************}

unit VcsIntf;

interface

uses SysUtils, Classes, VirtIntf, ToolIntf;

type
  TIVCSClient = class(TInterface)
  public
    function GetIDString: string; virtual; stdcall; abstract;
    procedure ExecuteVerb(Index: Integer); virtual; stdcall; abstract;
    function GetMenuName: string; virtual; stdcall; abstract;
    function GetVerb(Index: Integer): string; virtual; stdcall; abstract;
    function GetVerbCount: Integer; virtual; stdcall; abstract;
    function GetVerbState(Index: Integer): Word; virtual; stdcall; abstract;
    procedure ProjectChange; virtual; stdcall; abstract;
  end;

  TVCSManagerProc = function(VCSInterface: TIToolServices): TIVCSClient stdcall;

const
  vsEnabled = $01;
  vsChecked = $02;

implementation

end.
